#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Another monitor made primary while the bar runs: the bar follows it, parks
# at its right edge with the new monitor's width, and the monitor it left
# shows nothing of it. A group window open at the moment closes, and no
# stored item is lost. Two RandR monitors on one X screen, as a desktop with
# two outputs side by side has.
source "$(dirname "$0")/x11-session.sh"
start_x 2304 800
monitors() {
    xrandr --delmonitor left >/dev/null 2>&1 || true
    xrandr --delmonitor right >/dev/null 2>&1 || true
    xrandr --setmonitor "$1" 1280/338x800/211+0+0 screen >/dev/null
    xrandr --setmonitor "$2" 1024/270x768/203+1280+0 none >/dev/null
}
monitors '*left' right

write_settings_after_tour <<'INI'
[Setting]
Top=3000
Speed=300
[Items]
0=group|Tools|:
1=/usr|first
[groupTools]
0=/usr|one
Left=6000
Top=6000
INI
left=1280x800+0+0
shoot "$left" "$E2E_TMP/left-empty"
start_parked_bar 1271
[ "$(geometry_of "$BAR_WINDOW" | cut -d' ' -f3)" = 1280 ] || fail "not as wide as the left monitor"

xdotool mousemove 600 500
slide_in_with_hotkey || fail "the hotkey did not slide the bar in"
xdotool mousemove 25 215 click 1
group_open() { xdotool search --onlyvisible --name '^Group$' >/dev/null 2>&1; }
wait_until 5 group_open || fail "the group did not open"

monitors left '*right'
bar_is() { [ "$(geometry_of "$BAR_WINDOW")" = "$1" ]; }
wait_until 10 bar_is "2295 200 1024 30" \
    || fail "the bar did not move to the new primary's right edge: $(geometry_of "$BAR_WINDOW")"
wait_until 5 bash -c "! xdotool search --onlyvisible --name '^Group$' >/dev/null 2>&1" \
    || fail "the group window stayed open"
shoot "$left" "$E2E_TMP/left-now"
cmp -s "$E2E_TMP/left-empty" "$E2E_TMP/left-now" || fail "the monitor the bar left still shows some of it"
echo "the bar followed the new primary; the group closed; the old monitor shows nothing"

monitors '*left' right
wait_until 10 bar_is "1271 200 1280 30" || fail "the bar did not come back: $(geometry_of "$BAR_WINDOW")"
echo "and back"

kill -TERM "$BAR_PID"
wait_until 10 bash -c "! kill -0 $BAR_PID 2>/dev/null" || fail "SIGTERM did not end the bar"
grep -qx '0=group|Tools|:' "$SETTINGS" && grep -qx '1=/usr|first' "$SETTINGS" || fail "a bar item was lost"
grep -qx '0=/usr|one' "$SETTINGS" || fail "the group's item was lost"
echo "no stored item lost"
echo "1 passed, 0 failed"
