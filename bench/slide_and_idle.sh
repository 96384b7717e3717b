#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The slide's cost and the bar's idle cost, on a private Xvfb + openbox:
#  - slide: Ctrl+Alt+A until the bar stands at the screen's edge, at the
#    default speed (100 twips a step: 191 repainted steps on a 1280-pixel
#    screen, each held 2 ms); the program's CPU time over the steps is the
#    cost of a step's repaint (bench/slide_speeds.sh times every speed);
#  - wake-ups: voluntary context switches of the program over 30 s parked,
#    and after Ctrl+Alt+A with the pointer away: over the idle timer's three
#    ticks and the park, and over the 26 s after (nothing runs).
# Usage: bench/slide_and_idle.sh [build-dir]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
# Absolute, whatever folder the programs are run from.
build_dir=$(cd "${1:-$source_dir/build}" && pwd)
peer_bench=${PEER_BENCH:-$source_dir/../shared/tools/peer-bench.sh}
kestrel="$build_dir/bin/kestrel2"
source "$source_dir/bench/bench-display.sh"
printf '[App]\nFirstTimeEx=no\n[Setting]\nTop=3000\n[Items]\n0=/usr/bin|Programs\n1=sep\n' \
    > "$XDG_CONFIG_HOME/Dash97/settings.ini"

echo "== wake-ups"
"$kestrel" >/dev/null 2>&1 &
pid=$!
pids+=($pid)
sleep 3
xdotool mousemove 640 700
window=$(xdotool search --name '^Kestrel 98$' | head -n1)
bar_x() { xwininfo -id "$window" | awk '/Absolute upper-left X/{print $4}'; }
echo "== slide (191 steps)"
cpu_ns() { awk '{print $1}' "/proc/$pid/schedstat"; }
for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    before=$(cpu_ns)
    xdotool key ctrl+alt+a
    while [ "$(bar_x)" != 0 ]; do
        (( $(date +%s%N) - start < 5000000000 )) || { echo "run $run: no slide within 5 s of Ctrl+Alt+A" >&2; exit 1; }
    done
    end=$(date +%s%N)
    after=$(cpu_ns)
    echo "run $run: $(( (end - start) / 1000000 )) ms in all, $(( (after - before) / 191000 )) us of program CPU a step"
    sleep 4  # parks again after three idle ticks
done
switches() { awk '/^voluntary_ctxt_switches/{print $2}' "/proc/$pid/status"; }
before=$(switches); sleep 30; after=$(switches)
echo "parked, 30 s: $((after - before)) wake-ups"
xdotool key ctrl+alt+a
sleep 0.5
# The idle timer ticks at about 1, 2 and 3 s after the slide and parks the bar
# on the third tick; each tick asks the X server where the pointer is.
before=$(switches); sleep 3.5; parked=$(switches); sleep 26; after=$(switches)
echo "shown with the pointer away: $((parked - before)) wake-ups over the 3 idle ticks and the park," \
     "then $((after - parked)) in 26 s"
