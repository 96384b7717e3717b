#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds and runs the bar. On a machine with a display it simply runs there.
# Without one it starts a virtual display with a window manager, runs the bar
# with a few sample items, slides it in as Ctrl+Alt+A would, saves a
# screenshot, prints its path and ends.
set -euo pipefail
K98_SOURCE_DIR=$(cd "$(dirname "$0")/.." && pwd)
source "$K98_SOURCE_DIR/tools/deps.sh"
BUILD_DIR=${BUILD_DIR:-$K98_SOURCE_DIR/build}

k98_install_missing "${K98_BUILD_PACKAGES[@]}"
[ -n "${DISPLAY:-}" ] || k98_install_missing "${K98_DISPLAY_PACKAGES[@]}"
k98_build "$BUILD_DIR" kestrel2 >/dev/null
KESTREL="$BUILD_DIR/bin/kestrel2"

if [ -n "${DISPLAY:-}" ]; then
    exec "$KESTREL"
fi

work=$(mktemp -d /tmp/kestrel98-demo.XXXXXX)
pids=()
trap '[ "$BASHPID" != "$$" ] || { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null || true; }' EXIT

source "$K98_SOURCE_DIR/tools/private-display.sh"
start_private_display 1024x768

# A private settings folder with sample items, so the user's own are untouched.
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME/Dash97" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cat > "$XDG_CONFIG_HOME/Dash97/settings.ini" <<INI
[App]
FirstTimeEx=no
[Setting]
Top=4500
Appearance=1
[Items]
0=My Computer|My Computer
1=Desktop Folder|Desktop
2=sep
3=$HOME|Home folder
4=/usr/bin/xdg-open|Open anything
5=$K98_SOURCE_DIR/README.md|Read me
6=sep
7=Recycle Bin|Recycle Bin
8=group|Tools|:
INI

"$KESTREL" >"$work/bar.log" 2>&1 &
pids+=($!)
for _ in $(seq 200); do xdotool search --name '^Kestrel 98$' >/dev/null 2>&1 && break; sleep 0.05; done
sleep 0.5
xdotool mousemove 512 320
xdotool key ctrl+alt+a
sleep 1
screenshot="$work/kestrel98.png"
import -window root "$screenshot"
echo "Screenshot: $screenshot"
