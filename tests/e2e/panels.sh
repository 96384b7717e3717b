#!/usr/bin/env bash
# A panel at the bottom of the bar's monitor, the primary of two: a dialog
# opened near the pointer low on the screen stays clear of the panel, on the
# bar's monitor. Qt sees no panels once there are two monitors; the panel's
# strut says where it stands. The root is taller than the primary, so the
# strut counts from the root's bottom edge, not the monitor's.
source "$(dirname "$0")/x11-session.sh"
start_x 2304 800
xrandr --setmonitor left 1280/338x800/211+0+0 screen >/dev/null
xrandr --setmonitor '*right' 1024/270x768/203+1280+0 none >/dev/null

# The panel: 40 pixels high at the primary's bottom, y 728 to 767.
xmessage -geometry 1024x40+1280+728 panel &
PIDS+=($!)
wait_until 5 bash -c "xdotool search --onlyvisible --name '^xmessage\$' >/dev/null" || fail "no panel window"
panel=$(xdotool search --onlyvisible --name '^xmessage$' | head -n1)
xprop -id "$panel" -f _NET_WM_STRUT_PARTIAL 32c -set _NET_WM_STRUT_PARTIAL "0,0,0,72,0,0,0,0,0,0,1280,2303"

# The bar just above the panel (y 698), one item and the mode button.
write_settings_after_tour <<'INI'
[Setting]
Top=10470
Speed=300
[Items]
0=/usr|first
INI
start_parked_bar 2295
xdotool mousemove 1500 400
xdotool key ctrl+alt+a
wait_until 5 bar_x_is 1280 || fail "the hotkey did not slide the bar in: $(geometry_of "$BAR_WINDOW")"
# Edit Mode, then the settings dialog from the background's menu, with the
# pointer 14 pixels above the panel.
xdotool mousemove 1327 712 click 1
sleep 0.3
xdotool mousemove 1800 712 click 3
sleep 0.5
xdotool key Up Return
wait_until 5 bash -c "xdotool search --onlyvisible --name '^Kestrel 98 Property\$' >/dev/null" || fail "no settings dialog"
dialog=$(xdotool search --onlyvisible --name '^Kestrel 98 Property$' | head -n1)
read -r x y w h < <(geometry_of "$dialog")
[ "$x" -ge 1280 ] && [ $((x + w)) -le 2304 ] || fail "the dialog is not on the bar's monitor: $x $y $w $h"
# Clear of the panel by 210 twips (14 pixels), as dialogs keep from panels.
[ $((y + h)) -le 714 ] || fail "the dialog is not clear of the panel: $x $y $w $h"
echo "the dialog stands clear of the panel on the bar's monitor"
echo "1 passed, 0 failed"
