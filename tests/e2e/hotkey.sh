#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Ctrl+Alt+A slides the parked bar in and gives it the keyboard; three idle
# seconds later it parks again.
source "$(dirname "$0")/x11-session.sh"
start_x 1024 768
write_settings_after_tour <<'INI'
[Setting]
Speed=300
INI
start_parked_bar 1015
xdotool mousemove 500 600
slide_in_with_hotkey || fail "the hotkey did not slide the bar in: $(geometry_of "$BAR_WINDOW")"
focused=$(xdotool getwindowfocus)
[ "$focused" = "$BAR_WINDOW" ] || fail "the bar does not have the keyboard focus ($focused, bar $BAR_WINDOW)"
echo "shown with focus"
wait_until 6 bar_x_is 1015 || fail "the bar did not park after the pointer stayed away"
echo "parked again"
echo "1 passed, 0 failed"
