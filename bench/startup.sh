#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up of the real bar under a private Xvfb + openbox, measured with the
# shared dock benchmark: exec to the first mapped window and to the bar parked
# (its last window change), resident memory after start, idle wake-ups while
# parked. Runs once with an empty bar and once with 30 stored items.
# Usage: bench/startup.sh [build-dir]   (default: build)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
# Absolute, whatever folder the programs are run from.
build_dir=$(cd "${1:-$source_dir/build}" && pwd)
peer_bench=${PEER_BENCH:-$source_dir/../shared/tools/peer-bench.sh}
kestrel="$build_dir/bin/kestrel2"
[ -x "$kestrel" ] || { echo "build the program first: $kestrel" >&2; exit 2; }

work=$(mktemp -d /tmp/k98-bench.XXXXXX)
trap '[ "$BASHPID" != "$$" ] || rm -rf "$work"' EXIT

source "$source_dir/bench/homes.sh"

for count in 0 30; do
    make_kestrel_home "$work/home$count" "$count"
    echo "== $count stored items"
    bash "$peer_bench" -q -n 5 -i 30 -s 3 -H "$work/home$count" -- "$kestrel"
done
