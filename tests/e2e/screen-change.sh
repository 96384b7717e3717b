#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The bar's monitor changes size while the bar runs: it lays itself out for
# the new size and parks at its new edge, and items the smaller screen has
# no room for are kept (after the notice that says so): back at the old
# size, and after the end, all are there.
source "$(dirname "$0")/x11-session.sh"
source "$(dirname "$0")/nested-x.sh"
start_nested -screen 1280x800
{
    printf '[Setting]\nTop=3000\nSpeed=300\n[Items]\n'
    for i in $(seq 0 49); do echo "$i=/usr|item$i"; done
} | write_settings_after_tour
start_bar
bar_is() { [ "$(geometry_of "$BAR_WINDOW")" = "$1" ]; }
wait_until 5 bar_is "1271 200 1280 30" || fail "not parked on 1280 x 800: $(geometry_of "$BAR_WINDOW")"

xrandr --output default --mode 1024x768 2>/dev/null
# The smaller row has no room for all items: the bar says so, as on a start.
notice() { xdotool search --onlyvisible --name '^Kestrel 98$' 2>/dev/null | grep -v "^$BAR_WINDOW\$" | head -n1; }
wait_until 10 bash -c "[ -n \"\$(xdotool search --onlyvisible --name '^Kestrel 98\$' | grep -v '^$BAR_WINDOW\$')\" ]" \
    || fail "no notice that some items have no room"
xdotool windowactivate --sync "$(notice)"
xdotool key Return
wait_until 10 bar_is "1015 200 1024 30" || fail "no new layout on 1024 x 768: $(geometry_of "$BAR_WINDOW")"
echo "re-laid out and parked on the smaller screen"

xrandr --output default --mode 1280x800 2>/dev/null
wait_until 10 bar_is "1271 200 1280 30" || fail "no new layout back on 1280 x 800: $(geometry_of "$BAR_WINDOW")"
echo "and again on the larger one"

kill -TERM "$BAR_PID"
wait_until 10 bash -c "! kill -0 $BAR_PID 2>/dev/null" || fail "SIGTERM did not end the bar"
for i in $(seq 0 49); do
    grep -qx "$i=/usr|item$i" "$SETTINGS" || fail "item $i was lost"
done
echo "no stored item lost"
echo "1 passed, 0 failed"
