#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The main menu of the real bar: a click on the title label pops it; About...
# opens the About box, whose contents fly in (pictures at two moments); the
# Tutorial entry shows the tutorial window. Each comes from its own library,
# loaded when it is first shown.
# Usage: about.sh [folder for the two pictures]
source "$(dirname "$0")/x11-session.sh"
start_x 1024 768
write_settings_after_tour <<'INI'
[Setting]
Top=4500
INI
start_bar
xdotool mousemove 500 600
slide_in_with_hotkey || fail "did not slide in"

# The title label ends 150 twips (10 pixels) before the bar's right end.
xdotool mousemove 990 310 click 1
sleep 0.5
xdotool key a
wait_until 5 bash -c "xdotool search --name '^About Kestrel 98$' >/dev/null" || fail "no About box"
about=$(xdotool search --name '^About Kestrel 98$' | head -n1)
pictures=${1:-$E2E_TMP}
sleep 0.15
import -window root "$pictures/about-flying.png"
sleep 1.5
import -window root "$pictures/about-done.png"
[ "$(compare -metric AE "$pictures/about-flying.png" "$pictures/about-done.png" null: 2>&1 | cut -d' ' -f1)" -gt 100 ] \
    || fail "the About box did not change while its contents flew in"
echo "About box flew in"
[ "$(loaded_dialog_libraries)" = "libglintbox.so " ] || fail "with the About box open: $(loaded_dialog_libraries)"
xdotool windowactivate --sync "$about" key Return
wait_until 5 bash -c "! xdotool search --name '^About Kestrel 98$' >/dev/null" || fail "OK did not close the About box"

slide_in_with_hotkey || fail "did not slide in"
xdotool mousemove 990 310 click 1
sleep 0.5
xdotool key t
wait_until 5 bash -c "[ \$(xdotool search --name '^Kestrel 98$' | wc -l) -ge 2 ]" || fail "no tutorial window"
echo "tutorial shown"
[ "$(loaded_dialog_libraries)" = "libglintbox.so libtutorview.so " ] || fail "with the tutorial open: $(loaded_dialog_libraries)"
echo "1 passed, 0 failed"
