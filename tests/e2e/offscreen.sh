#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A stored Top that leaves no part of the bar on the screen (-465 twips: the
# 30-pixel bar ends a pixel above the top edge) brings the question at start;
# Yes puts the bar back at the top edge, where it parks.
source "$(dirname "$0")/x11-session.sh"
start_x 1024 768
write_settings_after_tour <<'INI'
[Setting]
Top=-465
INI
"$KESTREL" >"$E2E_TMP/bar.log" 2>&1 &
BAR_PID=$!
PIDS+=($BAR_PID)
# A message box, not the bar, which has the same title.
message() {
    local id
    for id in $(xdotool search --onlyvisible --name '^Kestrel 98$' 2>/dev/null); do
        xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG && { echo "$id"; return 0; }
    done
    return 1
}
answer() {
    wait_until 10 message >/dev/null || fail "no $1"
    local id
    id=$(message)
    xdotool windowactivate --sync "$id"
    xdotool key Return
    wait_until 5 bash -c "! xwininfo -id $id 2>/dev/null | grep -q IsViewable" || fail "the $1 did not close"
}
answer "question about the position"
answer "note that it was corrected"
wait_for_bar
wait_until 5 bash -c "[ \"\$(xwininfo -id $BAR_WINDOW | awk '/Absolute upper-left Y/{print \$4}')\" = 0 ]" \
    || fail "the bar is not back at the top edge: $(geometry_of "$BAR_WINDOW")"
echo "the bar wholly above the screen was offered back and came back"
kill -TERM "$BAR_PID"
wait_until 10 bash -c "! kill -0 $BAR_PID 2>/dev/null" || fail "SIGTERM did not end the bar"
grep -qx 'Top=0' "$SETTINGS" || fail "the corrected position was not stored"
echo "1 passed, 0 failed"
