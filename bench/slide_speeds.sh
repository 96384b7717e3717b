#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# How long the slide takes at each speed of the settings dialog on a
# 1280-pixel screen, on a private Xvfb + openbox: Ctrl+Alt+A slides the
# parked bar in, and bench/slide_watch (built beside the program) times it
# from the first to the last position the X server gets. Also the program's
# own CPU time per step (its repaint), from /proc/PID/schedstat.
# Usage: bench/slide_speeds.sh [build-dir]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
# Absolute, whatever folder the programs are run from.
build_dir=$(cd "${1:-$source_dir/build}" && pwd)
kestrel="$build_dir/bin/kestrel2"
watch="$build_dir/bench/slide_watch"
source "$source_dir/bench/bench-display.sh"
cpu_ns() { awk '{print $1}' "/proc/$1/schedstat"; }

for speed in 100:Slow 300:"Fairly fast" 1000:"Very fast" 30000:"No animation"; do
    twips=${speed%%:*}
    printf '[App]\nFirstTimeEx=no\n[Setting]\nTop=3000\nSpeed=%s\n[Items]\n0=/usr/bin|Programs\n' "$twips" \
        > "$XDG_CONFIG_HOME/Dash97/settings.ini"
    "$kestrel" >/dev/null 2>&1 &
    pid=$!
    sleep 3
    xdotool mousemove 640 700
    window=$(xdotool search --name '^Kestrel 98$' | head -n1)
    echo "== ${speed#*:} (Speed $twips)"
    for run in 1 2 3; do
        "$watch" "$window" > "$work/watch" &
        watcher=$!
        until grep -q ready "$work/watch"; do sleep 0.01; done
        before=$(cpu_ns "$pid")
        xdotool key ctrl+alt+a
        wait "$watcher"
        after=$(cpu_ns "$pid")
        read -r ms _ moves _ < <(tail -n1 "$work/watch")
        echo "run $run: $ms ms from the first to the last of $moves positions," \
             "$(( (after - before) / moves / 1000 )) us of program CPU a step"
        sleep 4  # parks again after three idle ticks
    done
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
