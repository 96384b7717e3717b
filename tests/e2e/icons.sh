#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Items show the icons the desktop shows: on a desktop whose Qt theme is a
# fixed guess (XDG_CURRENT_DESKTOP=GNOME), the theme the settings daemon
# names is used, and an entry whose icon lies only in /usr/share/pixmaps
# shows that picture.
source "$(dirname "$0")/x11-session.sh"
start_x 1024 768
export XDG_CURRENT_DESKTOP=GNOME XDG_DATA_HOME="$E2E_TMP/data"

pixmap=/usr/share/pixmaps/openbox.png
entry=/usr/share/applications/openbox.desktop
[ -f "$pixmap" ] && [ -f "$entry" ] || fail "openbox's entry and picture are not installed"

# An installed theme of the user's, whose plain-text icon is solid red.
theme="$XDG_DATA_HOME/icons/K98Test"
mkdir -p "$theme/16x16/mimetypes"
cat > "$theme/index.theme" <<INI
[Icon Theme]
Name=K98Test
Inherits=hicolor
Directories=16x16/mimetypes
[16x16/mimetypes]
Size=16
Context=MimeTypes
Type=Fixed
INI
convert -size 16x16 xc:red "PNG32:$theme/16x16/mimetypes/text-x-generic.png"
printf 'plain words\n' > "$E2E_TMP/notes.txt"

printf 'Net/IconThemeName "K98Test"\n' > "$E2E_TMP/xsettingsd.conf"
xsettingsd -c "$E2E_TMP/xsettingsd.conf" >"$E2E_TMP/xsettingsd.log" 2>&1 &
PIDS+=($!)
settings_served() {
    grep -q 'Took ownership of selection _XSETTINGS_S0' "$E2E_TMP/xsettingsd.log" \
        && xprop -name xsettingsd _XSETTINGS_SETTINGS 2>/dev/null | grep -qv 'not found'
}
wait_until 10 settings_served || fail "the settings daemon did not start"

write_settings_after_tour <<INI
[Setting]
Top=3000
[Items]
0=$entry|Openbox
1=$E2E_TMP/notes.txt|Notes
INI
start_bar
bar_y=200
slide_in_with_hotkey || fail "hotkey"
xdotool mousemove 500 600
import -window root -crop 60x30+0+$bar_y +repage "$E2E_TMP/bar.png"

# Item N's 16-pixel icon starts 3 pixels into its button at 14 + 22 N, 6
# pixels below the bar's top; transparent parts show the button's face.
icon_of() { convert "$E2E_TMP/bar.png" -crop "16x16+$((17 + 22 * $1))+6" +repage "$2"; }
face=$(convert "$E2E_TMP/bar.png" -format '%[pixel:p{16,6}]' info:)
icon_of 0 "$E2E_TMP/shown-openbox.png"
convert "$pixmap" -resize 16x16 -background "$face" -flatten "$E2E_TMP/expected-openbox.png"
# Scaling differs a little between Qt and ImageMagick; another icon differs
# in most of its 256 pixels.
differing=$(compare -metric AE -fuzz 10% "$E2E_TMP/shown-openbox.png" "$E2E_TMP/expected-openbox.png" null: 2>&1 || true)
[ "$differing" -le 16 ] || fail "the item does not show $pixmap ($differing pixels differ)"
echo "an icon found only in the pixmaps folder is shown"

icon_of 1 "$E2E_TMP/shown-text.png"
convert -size 16x16 xc:red "$E2E_TMP/red.png"
differing=$(compare -metric AE -fuzz 10% "$E2E_TMP/shown-text.png" "$E2E_TMP/red.png" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "the text item does not show the icon of the theme the settings daemon names"
echo "the settings daemon's icon theme is used"
