#!/usr/bin/env bash
# The dialogs and boxes of the libraries on a real X server: each is shown
# the way the program shows it and photographed (the pictures under
# docs/screenshots are made the same way). Each picture must show a window
# of the expected size with more than a blank face.
source "$(dirname "$0")/x11-session.sh"
TOOLS="$K98_BIN_DIR/../tools"
start_x 1024 768
shots="$E2E_TMP/shots"
mkdir -p "$shots"
"$TOOLS/dialog_screenshots" "$shots" >/dev/null 2>&1 || fail "dialog_screenshots failed"
"$TOOLS/about_screenshots" "$shots" "$K98_BIN_DIR" >/dev/null 2>&1 || fail "about_screenshots failed"
for picture in settings item-property group-property about-box-flying about-box input-box plain-about-box; do
    file="$shots/$picture.png"
    [ -s "$file" ] || fail "no $picture.png"
    read -r width height colours < <(identify -format '%w %h %k\n' "$file")
    [ "$width" -gt 150 ] && [ "$height" -gt 80 ] || fail "$picture.png is ${width}x$height"
    [ "$colours" -gt 8 ] || fail "$picture.png is nearly blank ($colours colours)"
    echo "$picture: ${width}x$height, $colours colours"
done
echo "1 passed, 0 failed"
