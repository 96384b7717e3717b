#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The dialogs and boxes of the libraries on a real X server: each is shown
# the way the program shows it and photographed (the pictures under
# docs/screenshots are made the same way). Each picture must show a window
# of the expected size with more than a blank face. Then whole-screen
# pictures of what a user sees around the real bar: its hovered title and
# item, both property dialogs in Edit Mode, every Settings page and the
# input box with a two-line prompt. With K98_SHOTS_DIR set, every picture is
# also copied there (that is how docs/screenshots is made).
source "$(dirname "$0")/x11-session.sh"
TOOLS="$K98_BIN_DIR/../tools"
start_x 1024 768
shots="$E2E_TMP/shots"
mkdir -p "$shots"
"$TOOLS/dialog_screenshots" "$shots" >/dev/null 2>&1 || fail "dialog_screenshots failed"
"$TOOLS/about_screenshots" "$shots" "$K98_BIN_DIR" >/dev/null 2>&1 || fail "about_screenshots failed"
check_picture() {
    local picture=$1 least_width=$2 least_height=$3
    local file="$shots/$picture.png"
    [ -s "$file" ] || fail "no $picture.png"
    read -r width height colours < <(identify -format '%w %h %k\n' "$file")
    [ "$width" -ge "$least_width" ] && [ "$height" -ge "$least_height" ] || fail "$picture.png is ${width}x$height"
    [ "$colours" -gt 8 ] || fail "$picture.png is nearly blank ($colours colours)"
    echo "$picture: ${width}x$height, $colours colours"
}
for picture in settings item-property group-property about-box-flying about-box input-box plain-about-box; do
    check_picture "$picture" 150 80
done

# The whole screen, once the window titled TITLE is up (none: at once).
shoot_screen() {
    local picture=$1 title=${2:-}
    if [ -n "$title" ]; then
        wait_until 10 bash -c "xdotool search --onlyvisible --name '^$title\$' >/dev/null" \
            || fail "no window \"$title\" for $picture"
        sleep 0.3
    fi
    import -window root "$shots/$picture.png" || fail "could not photograph the screen for $picture"
    check_picture "$picture" 1024 768
}
window_named() { xdotool search --onlyvisible --name "^$1\$" | head -n1; }
# The bar stays above every window, also the dialogs it opens at the pointer:
# the user drags a dialog clear of it to see all of it, and so does this.
move_clear_of_bar() {
    wait_until 10 bash -c "xdotool search --onlyvisible --name '^$1\$' >/dev/null" || fail "no window \"$1\""
    local id
    id=$(window_named "$1")
    xdotool windowmove "$id" 560 300
    wait_until 5 bash -c "xwininfo -id $id | grep -q 'Absolute upper-left Y: *3[0-9][0-9]'" \
        || fail "\"$1\" could not be moved"
}
closed() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

icons="$E2E_TMP/icons/a folder with a long name/and another one inside it"
mkdir -p "$icons"
head -c 766 "$K98_BIN_DIR/kestrel98.lib" > "$icons/tools.ico"
write_settings_after_tour <<INI
[Setting]
Top=10350
[Items]
0=/usr/bin|Programs and tools
1=sep
2=group|Tools|:$icons/tools.ico
INI
# Low on the screen, so that the dialogs opened at the pointer stand above
# the bar (it stays on top of every window).
bar_y=690
start_bar
xdotool mousemove 500 300
slide_in_with_hotkey || fail "the hotkey did not slide the bar in"
read -r _ _ bar_width _ < <(geometry_of "$BAR_WINDOW")
button_x() { echo $((14 + 22 * $1 + 11)); }

# The title sits at the bar's far end, 10 pixels from its edge.
xdotool mousemove $((bar_width - 14)) $((bar_y + 14))
sleep 0.5
shoot_screen bar-hovered-title
xdotool mousemove "$(button_x 0)" $((bar_y + 12))
sleep 0.2
xdotool mousemove "$(button_x 0)" $((bar_y + 14))
sleep 1  # the tip comes after about half a second
shoot_screen bar-hovered-item

# On the real screen: the hovered title's lightest pixel stands out from the
# face (the commonest colour around it) by a contrast of at least 3:1, and
# the separator (button 1) is a groove of one darker and one lighter column.
luminance='function lin(c) { c /= 255; return c <= 0.03928 ? c / 12.92 : exp(2.4 * log((c + 0.055) / 1.055)) }
function lum(r, g, b) { return 0.2126 * lin(r) + 0.7152 * lin(g) + 0.0722 * lin(b) }
function contrast(a, b) { return a > b ? (a + 0.05) / (b + 0.05) : (b + 0.05) / (a + 0.05) }'
rgb_lines() { sed -nE 's/^ *([0-9]+)[:,][^(]*\( *([0-9]+), *([0-9]+), *([0-9]+).*/\1 \2 \3 \4/p'; }
title_contrast=$(convert "$shots/bar-hovered-title.png" -crop "90x20+$((bar_width - 100))+$((bar_y + 5))" \
    -format %c histogram:info:- | rgb_lines | awk "$luminance"'
    { l = lum($2, $3, $4); if ($1 > most) { most = $1; face = l } if (l > lightest) lightest = l }
    END { printf "%.2f\n", contrast(lightest, face) }')
awk -v c="$title_contrast" 'BEGIN { exit !(c >= 3) }' || fail "the hovered title stands out by only $title_contrast:1"
echo "hovered title against the face: $title_contrast:1"
groove=$(convert "$shots/bar-hovered-title.png" -crop "22x1+36+$((bar_y + 15))" txt:- | rgb_lines |
    awk "$luminance"'
    NR == 1 { face = lum($2, $3, $4) }
    { l = lum($2, $3, $4); if (contrast(l, face) >= 1.5) printf "%s%d", (l < face ? " dark" : " light"), $1 }')
[[ "$groove" =~ ^\ dark([0-9]+)\ light([0-9]+)$ ]] && [ $((BASH_REMATCH[2] - BASH_REMATCH[1])) = 1 ] \
    || fail "the separator is not a groove of a darker and a lighter column:$groove"
echo "separator groove:$groove"

# Edit Mode: the mode button follows the three items.
xdotool mousemove "$(button_x 3)" $((bar_y + 15)) click 1
sleep 0.3
# An item's menu: Insert, Delete, Property.
xdotool mousemove "$(button_x 0)" $((bar_y + 15)) click 3
sleep 0.5
xdotool key Down Down Down Return
move_clear_of_bar "Item Property"
shoot_screen item-property-edit-mode "Item Property"
xdotool key Escape
wait_until 5 closed "Item Property" || fail "the item property dialog did not close"
xdotool mousemove "$(button_x 2)" $((bar_y + 15)) click 3
sleep 0.5
xdotool key Down Down Down Return
move_clear_of_bar "Group Property"
shoot_screen group-property-edit-mode "Group Property"
xdotool key Escape
wait_until 5 closed "Group Property" || fail "the group property dialog did not close"

# The background's menu: Insert, Property.
xdotool mousemove $((bar_width - 80)) $((bar_y + 2)) click 3
sleep 0.5
xdotool key Down Down Return
move_clear_of_bar "Kestrel 98 Property"
read -r dialog_x dialog_y _ _ < <(geometry_of "$(window_named "Kestrel 98 Property")")
# Ten tabs, five to a row of 61 x 23 pixels, from 8, 8 in the dialog.
pages=(behavior speed tooltip direction smart-slide colors picture appearance sound group)
for page in $(seq 0 9); do
    xdotool mousemove $((dialog_x + 8 + 61 * (page % 5) + 30)) $((dialog_y + 8 + 23 * (page / 5) + 12)) click 1
    sleep 0.3
    shoot_screen "settings-$page-${pages[$page]}"
done
xdotool key Escape
wait_until 5 closed "Kestrel 98 Property" || fail "the settings dialog did not close"
# In Edit Mode the bar then says when changes take effect; OK it.
message_box() { xdotool search --onlyvisible --name '^Kestrel 98$' | grep -vx "$BAR_WINDOW" | head -n1; }
wait_until 10 bash -c "[ -n \"\$(xdotool search --onlyvisible --name '^Kestrel 98\$' | grep -vx $BAR_WINDOW)\" ]" \
    || fail "no message after the settings dialog"
xdotool windowactivate --sync "$(message_box)" key Return
wait_until 5 bash -c "[ -z \"\$(xdotool search --onlyvisible --name '^Kestrel 98\$' | grep -vx $BAR_WINDOW)\" ]" \
    || fail "the message did not close"

"$TOOLS/show_input_box" "New Group" 'Type a name for the new group.\nIt shows on the bar as a folder of its own.' Tools \
    >"$E2E_TMP/input.out" 2>&1 &
input_pid=$!
PIDS+=($input_pid)
shoot_screen input-box-two-lines "New Group"
xdotool key Escape
wait_until 5 bash -c "! kill -0 $input_pid 2>/dev/null" || fail "the input box did not close"

if [ -n "${K98_SHOTS_DIR:-}" ]; then
    cp "$shots"/*.png "$K98_SHOTS_DIR"/
fi
echo "1 passed, 0 failed"
