#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The hotkey follows the letter: after a switch to a French keyboard while the
# bar runs, Ctrl+Alt with the key that now types "a" slides it in, and the
# key that typed "a" before (it types "q" now) does not.
source "$(dirname "$0")/x11-session.sh"
start_x 1024 768
write_settings_after_tour <<'INI'
[Setting]
Speed=300
INI
start_parked_bar 1015
setxkbmap fr || fail "setxkbmap fr failed"
[ "$(xmodmap -pke | awk '$2 == 24 {print $4}')" = a ] || fail "the French map does not put a on keycode 24"
xdotool mousemove 500 400
# xdotool sends each keysym with the key the current map gives it. The bar
# learns of the new map shortly after the switch: try a few times.
slide_in_with_hotkey || fail "Ctrl+Alt with the key that types a did not slide the bar in"
xdotool key Escape
wait_until 5 bar_x_is 1015 || fail "Esc did not park the bar"
xdotool key ctrl+alt+q
if wait_until 2 bar_x_is 0; then fail "the key that typed a before still slides the bar in"; fi
echo "the hotkey moved with the layout"
echo "1 passed, 0 failed"
