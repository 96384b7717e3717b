#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Dialogs stand above the bar: in Edit Mode, Item Property (from an item's
# menu), the settings dialog (from the background's menu) and the notice
# after it open over the bar, and the window manager offers none of them a
# minimize or maximize. Under openbox, or the window manager E2E_WM names.
# The dialogs' library is loaded only when the first of them opens.
source "$(dirname "$0")/x11-session.sh"
start_x 1024 768
write_settings_after_tour <<'INI'
[Setting]
Top=3000
Speed=300
[Items]
0=/usr|first
INI
start_bar

# The top-level window (frame) that holds a window.
frame_of() {
    local id=$1 parent
    while :; do
        parent=$(xwininfo -tree -id "$id" | awk '/Parent window id:/{print $4}')
        [ "$parent" = "$(xwininfo -root | awk '/Window id:/{print $4}')" ] && break
        id=$parent
    done
    printf '%d\n' "$id"
}
# The line of a window among the root's children, listed top first.
stacking_line() { xwininfo -root -children | grep -n "$(printf '0x%x' "$1") " | cut -d: -f1; }
bar_under() {
    local frame
    frame=$(frame_of "$1")
    [ "$(stacking_line "$frame")" -lt "$(stacking_line "$BAR_WINDOW")" ]
}
# The Motif hints name neither minimize nor maximize, as function (8, 16)
# or as decoration (32, 64): no window manager draws their buttons.
no_minimize_maximize() {
    local hints functions decorations
    hints=$(xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= //')
    functions=$(echo "$hints" | cut -d, -f2)
    decorations=$(echo "$hints" | cut -d, -f3)
    [ -n "$functions" ] && [ $((functions & 24)) = 0 ] && [ $((decorations & 96)) = 0 ]
}
# What the window manager offers: no maximize nor resize; no minimize either,
# except under openbox, which keeps it whatever the Motif hints say, by design.
no_minimize_maximize_offered() {
    local actions
    actions=$(xprop -id "$1" _NET_WM_ALLOWED_ACTIONS)
    [[ $actions == *_NET_WM_ACTION_CLOSE* && $actions != *MAXIMIZE* && $actions != *RESIZE* ]] &&
        [[ ${E2E_WM:-openbox} == openbox || $actions != *MINIMIZE* ]]
}
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
visible_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -v "^$BAR_WINDOW\$" | head -n1; }
wait_for_dialog() {
    local name=$1 id=""
    for _ in $(seq 200); do
        id=$(visible_named "$name" || true)
        [ -n "$id" ] && xprop -id "$id" _NET_WM_ALLOWED_ACTIONS 2>/dev/null | grep -q CLOSE && break
        id=""
        sleep 0.05
    done
    [ -n "$id" ] || fail "no dialog $name"
    echo "$id"
}
check_dialog() {
    local id=$1 what=$2
    wait_until 5 bar_under "$id" || fail "the bar lies over $what"
    no_minimize_maximize "$id" || fail "$what offers minimize or maximize: $(xprop -id "$id" _MOTIF_WM_HINTS)"
    no_minimize_maximize_offered "$id" || fail "the window manager offers $what: $(xprop -id "$id" _NET_WM_ALLOWED_ACTIONS)"
    # openbox still minimizes from its window menu: the dialog comes back.
    xdotool windowminimize "$id"
    # It may come back before the minimized state is ever seen.
    wait_until 1 bash -c "! xwininfo -id $id | grep -q IsViewable" || true
    wait_until 5 viewable "$id" || fail "$what stayed minimized"
    wait_until 5 bar_under "$id" || fail "the bar lies over $what after it came back"
    echo "$what stands above the bar, with no minimize or maximize"
}

[ -z "$(loaded_dialog_libraries)" ] || fail "the parked bar has loaded $(loaded_dialog_libraries)"
xdotool mousemove 500 600
slide_in_with_hotkey || fail "the hotkey did not slide the bar in"
# Buttons: the item, then the mode button; the pointer stays on the bar.
xdotool mousemove 47 215 click 1
sleep 0.3

xdotool mousemove 25 215 click 3
sleep 0.5
xdotool key Up Return
dialog=$(wait_for_dialog '^Item Property$')
check_dialog "$dialog" "Item Property"
[ "$(loaded_dialog_libraries)" = "libkestrel98.so " ] || fail "with Item Property open: $(loaded_dialog_libraries)"
xdotool key Escape
wait_until 5 bash -c "! xdotool search --onlyvisible --name '^Item Property$' >/dev/null" || fail "Item Property did not close"

xdotool mousemove 600 215 click 3
sleep 0.5
xdotool key Up Return
dialog=$(wait_for_dialog '^Kestrel 98 Property$')
check_dialog "$dialog" "the settings dialog"
xdotool key Escape
notice=$(wait_for_dialog '^Kestrel 98$')
check_dialog "$notice" "the Edit-Mode notice"
xdotool key Return
wait_until 5 bash -c "[ -z \"\$(xdotool search --onlyvisible --name '^Kestrel 98\$' | grep -v '^$BAR_WINDOW\$')\" ]" \
    || fail "the notice did not close"
echo "1 passed, 0 failed"
