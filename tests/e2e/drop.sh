#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Files dragged from another program onto the real bar: in Edit Mode they
# are added at the drop position (several in reverse order) and kept in the
# stored list; in Exec Mode the bar says how to enter Edit Mode and adds
# nothing.
source "$(dirname "$0")/x11-session.sh"
start_x 1024 768
files="$E2E_TMP/files"
mkdir -p "$files"
echo a > "$files/alpha.txt"
echo b > "$files/beta.txt"

write_settings_after_tour <<'INI'
[Items]
0=/usr|first
1=/etc|second
INI
start_bar
xdotool mousemove 500 600
slide_in_with_hotkey || fail "did not slide in"

# Exec Mode: the message, nothing added.
drag_to 40 10 "$files/alpha.txt" "$files/beta.txt"
wait_until 5 bash -c "xdotool search --name '^Kestrel 98$' | wc -l | grep -qv '^1$'" || fail "no message in Exec Mode"
xdotool key --clearmodifiers Return
sleep 0.5

# The mode button is the third button: pixels 14 + 22 * 2 onwards.
slide_in_with_hotkey || fail "did not slide in again"
xdotool mousemove 62 10 click 1
sleep 0.3
# Onto the second half of the first button (index 0): X = 14 + 15 px, so
# (435 - 50) \ 330 = 1: the files go before the second item.
drag_to 29 10 "$files/alpha.txt" "$files/beta.txt"
sleep 0.5
kill -TERM "$BAR_PID"
wait_until 10 bash -c "! kill -0 $BAR_PID 2>/dev/null" || fail "the bar did not end"
cat "$SETTINGS" | sed -n '/^\[Items\]/,/^\[/p' >&2
grep -q "^0=/usr|first" "$SETTINGS" || fail "first item moved"
grep -q "^1=$files/beta.txt|beta.txt" "$SETTINGS" || fail "beta.txt not at 1"
grep -q "^2=$files/alpha.txt|alpha.txt" "$SETTINGS" || fail "alpha.txt not at 2"
grep -q "^3=/etc|second" "$SETTINGS" || fail "second item not after the drop"
if grep -q "^4=" "$SETTINGS"; then fail "more items than dropped"; fi
echo "1 passed, 0 failed"
