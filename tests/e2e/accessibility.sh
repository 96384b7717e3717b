#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The bar for a screen reader: with Qt's accessibility bridge on and a
# private accessibility bus, the real program's tree and events read over
# AT-SPI (accessibility.py): the application's name, the bar and the group
# window with their named buttons in screen order and their press actions
# (one runs a script item), focus events for the keyboard's selection, the
# tip, a name change, the main menu, and the settings dialog with its page
# tabs, of whose pages only the current one shows and is walked by Tab.
source "$(dirname "$0")/x11-session.sh"
start_x 1024 768
recording_script press
write_settings_after_tour <<INI
[Setting]
Speed=300
[Items]
0=$E2E_TMP/press.sh|Run the script
1=sep
2=group|Tools|:
[groupTools]
0=$E2E_TMP/press.sh|Inside the group
INI

start_session_bus
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

start_bar
/usr/bin/python3 "$(dirname "$0")/accessibility.py" "$E2E_TMP/press.ran" || {
    cat "$E2E_TMP/bar.log" >&2
    fail "the accessibility checks failed"
}

# The settings stay where they were kept.
end_bar_cleanly "the bar read by assistive technologies"
grep -q '^0=.*press.sh|Run the script$' "$SETTINGS" || fail "the items are no longer in $SETTINGS"
[ ! -e "$XDG_CONFIG_HOME/Kestrel 98" ] || fail "a settings folder under the new name appeared"
echo "PASS"
