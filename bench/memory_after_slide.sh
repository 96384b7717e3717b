#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The bar's memory before and after it is first seen, with 30 stored items,
# on a private Xvfb + openbox: the parked bar builds no item picture until its
# first slide-in, so its PSS is taken parked after 5 s, then again after
# Ctrl+Alt+A, the three idle ticks with the pointer away and the park.
# Usage: bench/memory_after_slide.sh [build-dir]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
# Absolute, whatever folder the programs are run from.
build_dir=$(cd "${1:-$source_dir/build}" && pwd)
kestrel="$build_dir/bin/kestrel2"
[ -x "$kestrel" ] || { echo "build first: $kestrel" >&2; exit 2; }
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
bar_x() { xwininfo -id "$window" | awk '/Absolute upper-left X/{print $4}'; }
parked=$(pss_mib)
xdotool key ctrl+alt+a
start=$(date +%s)
until [ "$(bar_x)" = 0 ]; do
    (( $(date +%s) - start < 5 )) || { echo "no slide within 5 s of Ctrl+Alt+A" >&2; exit 1; }
done
until [ "$(bar_x)" != 0 ]; do
    (( $(date +%s) - start < 10 )) || { echo "the bar did not park again within 10 s" >&2; exit 1; }
    sleep 0.2
done
sleep 1
printf 'PSS with 30 items: parked before the first slide-in %.1f MiB, parked again after it %.1f MiB\n' \
    "$parked" "$(pss_mib)"
