#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Everyday use of the real bar: a click on the parked grip slides it in; a
# click on an item runs it and parks the bar, with Shift the bar stays;
# resting on an item shows its tip near the pointer; from the keyboard,
# Right, Right, Enter runs the second item and Esc parks; with "move",
# resting on the grip slides the bar in.
source "$(dirname "$0")/x11-session.sh"
start_x 1024 768

recording_script first
recording_script second

write_settings_after_tour <<INI
[Setting]
Top=3000
[Items]
0=$E2E_TMP/first.sh|The first script
1=$E2E_TMP/second.sh|The second script
INI
start_bar
bar_y=200
bar_x_is 1015 || fail "not parked"

xdotool mousemove 1020 $((bar_y + 15))
sleep 0.5
bar_x_is 1015 || fail "resting on the grip slid the bar in with Behavior click"
xdotool click 1
wait_until 5 bar_x_is 0 || fail "a click on the grip did not slide the bar in"
echo "grip click slides in"

# Item 0 is at pixels 14..35 of the bar.
xdotool mousemove 25 $((bar_y + 15)) click 1
wait_until 5 has_runs first 1 || fail "the first script did not run"
[ "$(cat "$E2E_TMP/first.ran")" = "$E2E_TMP" ] || fail "the script did not run in its own folder"
wait_until 5 bar_x_is 1015 || fail "the bar did not park after running an item"
echo "click runs and parks"

slide_in_with_hotkey || fail "hotkey"
xdotool mousemove 25 $((bar_y + 15)) keydown shift click 1 keyup shift
wait_until 5 has_runs first 2 || fail "the first script did not run with Shift"
sleep 0.5
bar_x_is 0 || fail "with Shift held the bar parked"
echo "shift click keeps the bar"

# Resting on the second item shows its tip below right of the pointer.
xdotool mousemove 45 $((bar_y + 12))
sleep 0.2
xdotool mousemove 47 $((bar_y + 14))
tip_shown() {
    for id in $(xdotool search --onlyvisible --classname kestrel2 2>/dev/null); do
        read -r x y w h < <(geometry_of "$id")
        if [ "$h" -lt 30 ] && [ "$y" -gt $((bar_y + 14)) ] && [ "$x" -ge 47 ] && [ "$x" -lt 120 ]; then
            return 0
        fi
    done
    return 1
}
wait_until 3 tip_shown || fail "no tip window near the pointer"
echo "tip shown"

xdotool mousemove 500 600
wait_until 6 bar_x_is 1015 || fail "did not park"
slide_in_with_hotkey || fail "hotkey"
xdotool key Right Right Return
wait_until 5 has_runs second 1 || fail "Right, Right, Enter did not run the second item"
wait_until 5 bar_x_is 1015 || fail "Enter did not park the bar"
slide_in_with_hotkey || fail "hotkey"
xdotool key Right Escape
wait_until 5 bar_x_is 1015 || fail "Esc did not park the bar"
has_runs first 2 || fail "Esc ran something"
echo "keyboard runs and parks"

kill -TERM "$BAR_PID"
wait_until 10 bash -c "! kill -0 $BAR_PID 2>/dev/null" || fail "the bar did not end"
sed -i 's/^Top=.*/Top=3000\nBehavior=move/' "$SETTINGS"
start_bar
xdotool mousemove 1020 $((bar_y + 15))
wait_until 5 bar_x_is 0 || fail "resting on the grip did not slide the bar in with Behavior move"
echo "hover on the grip slides in"
echo "1 passed, 0 failed"
