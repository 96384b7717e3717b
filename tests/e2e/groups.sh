#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Editing the real bar through its menus and using a group: in Edit Mode the
# background's menu inserts a separator where the pointer was and a new
# group named in the real group dialog; back in Exec Mode a click on the
# group opens its (empty) window at the pointer; dragged elsewhere and closed,
# it keeps that place. After SIGTERM and a restart the items, the group and
# the window's place are all still there.
source "$(dirname "$0")/x11-session.sh"
start_x 1024 768

write_settings_after_tour <<'INI'
[Setting]
Top=3000
[Items]
0=/usr|first
INI
bar_y=200
start_bar

# Pixel x of the middle of button n of the bar (or of the group window).
button_x() { echo $((14 + 22 * $1 + 11)); }

group_window() { xdotool search --onlyvisible --name '^Group$' 2>/dev/null | head -n1; }
group_at() {
    local id
    id=$(group_window) || return 1
    [ -n "$id" ] && [ "$(geometry_of "$id")" = "$1" ]
}
group_closed() { [ -z "$(group_window)" ]; }

# Chooses from the bar background's menu with the keyboard: Insert, then
# the entry `down` places below New Item.
insert_from_background() {
    local x=$1 down=$2
    xdotool mousemove "$x" $((bar_y + 2)) click 3
    sleep 0.5
    xdotool key Down Right
    for _ in $(seq "$down"); do xdotool key Down; done
    xdotool key Return
    sleep 0.5
}

settings_items() { sed -n '/^\[Items\]/,/^\[/p' "$SETTINGS"; }
settings_group() { sed -n '/^\[groupTools\]/,/^\[/p' "$SETTINGS"; }

xdotool mousemove 500 600
slide_in_with_hotkey || fail "the hotkey did not slide the bar in"

# With one item the mode button is button 1.
xdotool mousemove "$(button_x 1)" $((bar_y + 15)) click 1
sleep 0.3

# Above the first button: (20 x 15 - 50) \ 330 = 0, before the first item.
insert_from_background 20 2
# Before the mode button (now button 2), where the background's index ends.
insert_from_background 300 1
wait_until 5 bash -c "xdotool search --onlyvisible --name '^Group Property$' >/dev/null" \
    || fail "no group dialog"
xdotool type --delay 50 Tools
xdotool key Return
wait_until 5 bash -c "! xdotool search --onlyvisible --name '^Group Property$' >/dev/null" \
    || fail "the group dialog did not close"
echo "separator and group inserted through the menus"

# Back to Exec Mode (the mode button is now button 3), then open the group.
xdotool mousemove "$(button_x 3)" $((bar_y + 15)) click 1
sleep 0.3
gx=$(button_x 2)
gy=$((bar_y + 15))
xdotool mousemove "$gx" "$gy" click 1
# 900 x 450 twips with its corner 210 twips (14 pixels) up and left of the pointer.
wait_until 5 group_at "$((gx - 14)) $((gy - 14)) 60 30" \
    || fail "the group window is not at the pointer: $(geometry_of "$(group_window)" 2>/dev/null)"
echo "group window opened at the pointer"

# Drag its background 200 pixels right and down, then close it with the
# right button.
xdotool mousedown 1
for step in 1 2 3 4 5; do
    xdotool mousemove $((gx + 40 * step)) $((gy + 40 * step))
    sleep 0.1
done
xdotool mouseup 1
wait_until 5 group_at "$((gx + 186)) $((gy + 186)) 60 30" \
    || fail "the group window did not follow the drag: $(geometry_of "$(group_window)")"
xdotool click 3
wait_until 5 group_closed || fail "the right button did not close the group window"
echo "group window moved and closed"

kill -TERM "$BAR_PID"
wait_until 10 bash -c "! kill -0 $BAR_PID 2>/dev/null" || fail "SIGTERM did not end the bar"
settings_items >&2
settings_group >&2
settings_items | grep -qx '0=sep' || fail "separator not stored first"
settings_items | grep -qx '1=/usr|first' || fail "the first item did not move on"
settings_items | grep -qx '2=group|Tools|:' || fail "group not stored"
if settings_items | grep -q '^3='; then fail "the list was not ended after the group"; fi
left=$(( (gx + 186) * 15 ))
top=$(( (gy + 186) * 15 ))
settings_group | grep -qx "Left=$left" || fail "the group window's Left is not $left"
settings_group | grep -qx "Top=$top" || fail "the group window's Top is not $top"
echo "items, group and its place written at SIGTERM"

start_bar
xdotool mousemove 500 600
slide_in_with_hotkey || fail "the hotkey did not slide the restarted bar in"
xdotool mousemove "$(button_x 2)" $((bar_y + 15)) click 1
wait_until 5 group_at "$((gx + 186)) $((gy + 186)) 60 30" \
    || fail "after the restart the group window is not where it was left: $(geometry_of "$(group_window)" 2>/dev/null)"
echo "after a restart the group opens where it was left"
kill -TERM "$BAR_PID"
wait_until 10 bash -c "! kill -0 $BAR_PID 2>/dev/null" || fail "SIGTERM did not end the restarted bar"
settings_items | grep -qx '2=group|Tools|:' || fail "the group was lost on the second run"
echo "1 passed, 0 failed"
