#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Two monitors side by side, the bar's (the primary) on the left: the second
# one shows nothing of the bar, parked, slid in and parked again, nor of a
# group window standing across the edge between them, nor of its tip.
source "$(dirname "$0")/x11-session.sh"
source "$(dirname "$0")/nested-x.sh"
start_nested +xinerama -screen 1280x800 -screen 1024x768

# The group window stands 40 pixels inside the primary's right edge; its
# second button lies beyond it.
write_settings_after_tour <<'INI'
[Setting]
Top=3000
Speed=300
[Items]
0=group|Tools|:
1=/usr|first
[groupTools]
0=/usr|one
1=/bin|two
Left=18600
Top=6000
INI
second=1024x768+1280+0
shoot "$second" "$E2E_TMP/second-empty"
shoot 9x30+1271+200 "$E2E_TMP/edge-empty"
second_unchanged() {
    shoot "$second" "$E2E_TMP/second-now"
    cmp -s "$E2E_TMP/second-empty" "$E2E_TMP/second-now"
}

start_parked_bar 1271
[ "$(geometry_of "$BAR_WINDOW" | cut -d' ' -f3)" = 1280 ] || fail "not as wide as the primary"
shoot 9x30+1271+200 "$E2E_TMP/edge-parked"
cmp -s "$E2E_TMP/edge-empty" "$E2E_TMP/edge-parked" && fail "the parked bar's strip does not show"
second_unchanged || fail "the parked bar shows on the second monitor"
echo "parked: only its strip shows"

xdotool mousemove 600 500
slide_in_with_hotkey || fail "the hotkey did not slide the bar in"
second_unchanged || fail "the bar slid in shows on the second monitor"
echo "slid in: nothing on the second monitor"

# Button 0 (the group) in the middle: 14 + 11 pixels along, 15 down.
xdotool mousemove 25 215 click 1
group_window() { xdotool search --onlyvisible --name '^Group$' 2>/dev/null | head -n1; }
wait_until 5 bash -c "xdotool search --onlyvisible --name '^Group$' >/dev/null" || fail "the group did not open"
[ "$(geometry_of "$(group_window)")" = "1240 400 66 30" ] \
    || fail "the group window is not where it was stored: $(geometry_of "$(group_window)")"
second_unchanged || fail "the group window shows on the second monitor"
echo "group window: nothing on the second monitor"

# Resting on the group's first button, 15 pixels from the primary's right
# edge: its tip stays on the primary, and the second monitor shows nothing.
for x in 1248 1256 1265; do xdotool mousemove $x 415; sleep 0.1; done
tip_on_primary() {
    local id x y w h
    for id in $(xdotool search --onlyvisible --classname kestrel2 2>/dev/null); do
        read -r x y w h < <(geometry_of "$id")
        [ "$h" -lt 30 ] && [ "$y" -gt 415 ] && [ "$y" -lt 460 ] || continue
        [ $((x + w)) -le 1280 ] || fail "the tip reaches past the primary: $x $y $w $h"
        return 0
    done
    return 1
}
wait_until 3 tip_on_primary || fail "no tip under the group's button"
second_unchanged || fail "the tip shows on the second monitor"
echo "tip at the right edge: on the primary, nothing on the second monitor"

# The right button on the bar's background parks it (and closes the group).
xdotool mousemove 600 215 click 3
wait_until 5 bar_x_is 1271 || fail "the bar did not park again"
second_unchanged || fail "the bar parked again shows on the second monitor"
echo "parked again: nothing on the second monitor"
echo "1 passed, 0 failed"
