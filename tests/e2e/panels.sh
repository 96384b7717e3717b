#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A panel at the bottom of the bar's monitor, the primary of two: a dialog
# opened near the pointer low on the screen stays clear of the panel, on the
# bar's monitor. Qt sees no panels once there are two monitors; the panel's
# strut says where it stands. The root is taller than the primary, so the
# strut counts from the root's bottom edge, not the monitor's.
# Usage: panels.sh [--scaled]: with --scaled, at twice the pixel density
# (Xft.dpi 192), where X counts twice the pixels Qt does.
source "$(dirname "$0")/x11-session.sh"
s=1
[ "${1:-}" = --scaled ] && s=2
start_x $((2304 * s)) $((800 * s))
[ "$s" = 1 ] || echo "Xft.dpi: 192" | xrdb -merge
xrandr --setmonitor left $((1280 * s))/338x$((800 * s))/211+0+0 screen >/dev/null
xrandr --setmonitor '*right' $((1024 * s))/270x$((768 * s))/203+$((1280 * s))+0 none >/dev/null

# The panel: 40 pixels high at the primary's bottom, y 728 to 767.
xmessage -geometry $((1024 * s))x$((40 * s))+$((1280 * s))+$((728 * s)) panel &
PIDS+=($!)
wait_until 5 bash -c "xdotool search --onlyvisible --name '^xmessage\$' >/dev/null" || fail "no panel window"
panel=$(xdotool search --onlyvisible --name '^xmessage$' | head -n1)
xprop -id "$panel" -f _NET_WM_STRUT_PARTIAL 32c \
    -set _NET_WM_STRUT_PARTIAL "0,0,0,$((72 * s)),0,0,0,0,0,0,$((1280 * s)),$((2304 * s - 1))"

# The bar just above the panel (y 698), one item and the mode button.
write_settings_after_tour <<'INI'
[Setting]
Top=10470
Speed=300
[Items]
0=/usr|first
INI
start_parked_bar $(((1280 + 1024 - 9) * s))
xdotool mousemove $((1500 * s)) $((400 * s))
slide_in_with_hotkey $((1280 * s)) || fail "the hotkey did not slide the bar in: $(geometry_of "$BAR_WINDOW")"
# Edit Mode, then the settings dialog from the background's menu, with the
# pointer 14 pixels above the panel.
xdotool mousemove $((1327 * s)) $((712 * s)) click 1
sleep 0.3
xdotool mousemove $((1800 * s)) $((712 * s)) click 3
sleep 0.5
xdotool key Up Return
wait_until 5 bash -c "xdotool search --onlyvisible --name '^Kestrel 98 Property\$' >/dev/null" || fail "no settings dialog"
dialog=$(xdotool search --onlyvisible --name '^Kestrel 98 Property$' | head -n1)
read -r x y w h < <(geometry_of "$dialog")
[ "$x" -ge $((1280 * s)) ] && [ $((x + w)) -le $((2304 * s)) ] || fail "the dialog is not on the bar's monitor: $x $y $w $h"
# Clear of the panel by 210 twips (14 pixels), as dialogs keep from panels.
[ $((y + h)) -le $((714 * s)) ] || fail "the dialog is not clear of the panel: $x $y $w $h"
echo "the dialog stands clear of the panel on the bar's monitor"
echo "1 passed, 0 failed"
