#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Ten stored items: the real bar is a screen-wide strip 30 pixels thick,
# parked at the right edge with 9 pixels showing at its stored Top, with or
# without a window manager; slid in, it shows its items.
# Usage: layout.sh [--no-wm] [screenshot.png]
[ "${1:-}" = "--no-wm" ] && { export NO_WM=1; shift; }
source "$(dirname "$0")/x11-session.sh"
start_x 1280 800

{
    printf '[Setting]\nTop=4500\nAppearance=1\n[Items]\n'
    printf '0=My Computer|My Computer\n1=Desktop Folder|Desktop\n2=sep\n3=/usr/bin|Programs\n'
    printf '4=/bin/sh|Shell\n5=/etc/hostname|Host name\n6=sep\n7=Recycle Bin|Recycle Bin\n'
    printf '8=Network Neighborhood|Network\n9=group|Tools|:\n'
} | write_settings_after_tour
start_bar

read -r x y w h < <(geometry_of "$BAR_WINDOW")
[ "$w" = 1280 ] && [ "$h" = 30 ] || fail "size ${w}x$h, expected 1280x30"
[ "$x" = 1271 ] && [ "$y" = 300 ] || fail "parked at $x,$y, expected 1271,300"
echo "parked at $x,$y ${w}x$h"

slide_in_with_hotkey || fail "did not slide in"
if [ -n "${1:-}" ]; then
    sleep 0.3
    import -window root -crop 1280x60+0+285 "$1"
    echo "screenshot: $1"
fi
grep -q "^9=group|Tools|:" "$SETTINGS" || fail "items changed on disk"
echo "1 passed, 0 failed"
