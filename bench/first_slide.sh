#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the first slide-in costs, with 30 stored items, on a private Xvfb +
# openbox. The parked bar builds no item picture until it is first seen:
#  - memory: PSS parked after 5 s, and parked again after Ctrl+Alt+A, the
#    three idle ticks with the pointer away and the park;
#  - time: from the watcher being ready (Ctrl+Alt+A is sent right after) to
#    the bar's first move, for the first slide-in and for the three after it.
# Usage: bench/first_slide.sh [build-dir]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
# Absolute, whatever folder the programs are run from.
build_dir=$(cd "${1:-$source_dir/build}" && pwd)
kestrel="$build_dir/bin/kestrel2"
watch="$build_dir/bench/slide_watch"
for program in "$kestrel" "$watch"; do
    [ -x "$program" ] || { echo "build first: $program" >&2; exit 2; }
done
source "$source_dir/bench/bench-display.sh"
source "$source_dir/bench/homes.sh"
make_kestrel_home "$work/home" 30

"$kestrel" >/dev/null 2>&1 &
pid=$!
pids+=($pid)
pss_mib() { awk '/^Pss:/{print $2 / 1024}' "/proc/$pid/smaps_rollup"; }
sleep 5
xdotool mousemove 640 700
window=$(xdotool search --name '^Kestrel 98$' | head -n1)
parked=$(pss_mib)
# Prints how long after Ctrl+Alt+A the bar first moved, then waits for the park.
slide_in() {
    "$watch" "$window" > "$work/watch" &
    local watcher=$!
    until grep -q ready "$work/watch"; do sleep 0.01; done
    xdotool key ctrl+alt+a
    wait "$watcher"
    sed -n 's/.*the first \([0-9.]*\) ms after ready/\1/p' "$work/watch"
    sleep 4.5  # parks again after three idle ticks
}
first=$(slide_in)
after=$(pss_mib)
later=$(for run in 1 2 3; do slide_in; done | sort -n | sed -n 2p)
printf 'PSS with 30 items: parked before the first slide-in %.1f MiB, parked again after it %.1f MiB\n' \
    "$parked" "$after"
printf 'Ctrl+Alt+A to the first move: first slide-in %.1f ms, later ones %.1f ms (median of 3)\n' "$first" "$later"
