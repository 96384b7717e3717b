#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The keyboard follows the user like a desktop tool's: with another program's
# window focused, a click on the bar's grip gives the bar the keys (Right,
# Right, Enter run its second item); Esc parks it and the other window has
# the keyboard again. A group opened with the keyboard takes the keys: they
# walk and run its items, never the bar's. Sliding in on hover alone leaves
# the keyboard where it was. Under openbox, or the window manager E2E_WM names.
source "$(dirname "$0")/x11-session.sh"
start_x 1024 768
for name in first second inner; do recording_script "$name"; done
write_settings_after_tour <<INI
[Setting]
Top=3000
Speed=300
[Items]
0=$E2E_TMP/first.sh|first
1=$E2E_TMP/second.sh|second
2=group|Tools|:
[groupTools]
0=$E2E_TMP/inner.sh|inner
Left=6000
Top=6000
INI
start_bar

xmessage -geometry +300+450 "another program" &
PIDS+=($!)
other=""
for _ in $(seq 100); do
    other=$(xdotool search --onlyvisible --name '^xmessage$' 2>/dev/null | head -n1 || true)
    [ -n "$other" ] && break
    sleep 0.05
done
[ -n "$other" ] || fail "xmessage did not appear"
xdotool windowactivate --sync "$other"
focus_is() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
wait_until 5 focus_is "$other" || fail "xmessage did not get the keyboard"

# The grip is the first 13 pixels of the parked strip.
click_grip() {
    xdotool mousemove 1018 215 click 1
    wait_until 5 bar_x_is 0 || fail "a click on the grip did not slide the bar in"
    wait_until 5 focus_is "$BAR_WINDOW" || fail "the bar did not take the keyboard: $(xdotool getwindowfocus)"
}
# At a person's pace: a selection brings up its tip before the next key.
type_keys() { xdotool key --delay 250 "$@"; }

click_grip
type_keys Right Right Return
wait_until 5 has_runs second 1 || fail "Right, Right, Enter did not run the second item"
has_runs first 0 || fail "the first item ran"
wait_until 5 bar_x_is 1015 || fail "the bar did not park after the run"
wait_until 5 focus_is "$other" || fail "the keyboard did not go back after the run"
echo "grip click, Right Right Enter: the second item ran; keyboard back"

click_grip
xdotool key Escape
wait_until 5 bar_x_is 1015 || fail "Esc did not park the bar"
wait_until 5 focus_is "$other" || fail "after Esc the keyboard is not back on xmessage: $(xdotool getwindowfocus)"
echo "Esc parks the bar and gives the keyboard back"

group_window() { xdotool search --onlyvisible --name '^Group$' 2>/dev/null | head -n1; }
click_grip
type_keys Right Right Right Return
wait_until 5 bash -c "xdotool search --onlyvisible --name '^Group$' >/dev/null" || fail "Enter on the group did not open it"
group=$(group_window)
wait_until 5 focus_is "$group" || fail "the group window did not take the keyboard"
type_keys Right Return
wait_until 5 has_runs inner 1 || fail "Right, Enter in the group did not run its item"
has_runs first 0 && has_runs second 1 || fail "a bar item ran while the group had the keyboard"
wait_until 5 bar_x_is 1015 || fail "the bar did not park after the group's item ran"
wait_until 5 focus_is "$other" || fail "the keyboard did not go back after the group's run: $(xdotool getwindowfocus)"
echo "a group opened from the keyboard takes the keys"

# With Behavior=move, resting on the grip slides the bar in.
kill -TERM "$BAR_PID"
wait_until 10 bash -c "! kill -0 $BAR_PID 2>/dev/null" || fail "SIGTERM did not end the bar"
sed -i 's/^Speed=300$/Speed=300\nBehavior=move/' "$SETTINGS"
xdotool mousemove 500 600
start_parked_bar 1015
xdotool mousemove 1018 215
wait_until 5 bar_x_is 0 || fail "resting on the grip did not slide the bar in"
sleep 0.5
focus_is "$other" || fail "sliding in on hover took the keyboard: $(xdotool getwindowfocus)"
echo "sliding in on hover leaves the keyboard where it was"
echo "1 passed, 0 failed"
