#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the fuzz targets for every reader of outside data (built with clang's
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer in their own
# build folder, -DK98_FUZZ=ON), each for a bounded time from its seed corpus
# in fuzz/corpus/. Ends non-zero on the first crash, hang or sanitizer report.
# Usage: tools/run-fuzz.sh [seconds per target] [build folder]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
build=${2:-$source_dir/build-fuzz}
out=$build/fuzz

# A product-only configure: it must not even look for the test frameworks.
# shellcheck disable=SC2086  # the options are words
CC=clang CXX=clang++ cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
    -DK98_FUZZ=ON ${K98_CMAKE_OPTIONS:-} >/dev/null
targets=$(sed -n 's/^k98_add_fuzzer(\([a-z_]*\).*/\1/p' "$source_dir/fuzz/CMakeLists.txt")
cmake --build "$build" -j2 --target $(printf '%s_fuzzer ' $targets)

export QT_QPA_PLATFORM=offscreen
for target in $(printf '%s\n' $targets | sort); do
    corpus="$out/corpus/$target"
    mkdir -p "$corpus"
    cp -n "$source_dir/fuzz/corpus/$target/"* "$corpus/" 2>/dev/null || true
    echo "== $target: $seconds s"
    "$out/${target}_fuzzer" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len=70000 \
        -print_final_stats=1 "$corpus" 2>"$out/$target.log" || { tail -40 "$out/$target.log"; exit 1; }
    grep -E 'stat::number_of_executed_units' "$out/$target.log" || true
done
echo "fuzzing: every target ran its time without a finding"
