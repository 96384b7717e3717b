#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the house style: every C++ file as clang-format would write it, and
# clang-tidy's checks (.clang-tidy) on every file the build compiles.
# Usage: tools/lint.sh [--format-only] [build folder with compile_commands.json]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
cd "$source_dir"
format_only=0
if [ "${1:-}" = --format-only ]; then
    format_only=1
    shift
fi
build=${1:-$source_dir/build}

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${sources[@]}"; then
    echo "lint: the files above are not formatted; run: clang-format -i \$(git ls-files '*.cpp' '*.h')" >&2
    exit 1
fi
echo "lint: ${#sources[@]} files formatted"
[ "$format_only" -eq 1 ] && exit 0

[ -f "$build/compile_commands.json" ] || { echo "lint: no $build/compile_commands.json; build first" >&2; exit 1; }
# The files the build compiles, less what moc and the build generate.
mapfile -t compiled < <(git ls-files '*.cpp' | grep -v '^fuzz/')
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${compiled[@]/#/$source_dir/}" > "$build/clang-tidy.log" 2>&1 || true
if grep -E '(warning|error):' "$build/clang-tidy.log"; then
    echo "lint: clang-tidy found the above (full log in $build/clang-tidy.log)" >&2
    exit 1
fi
echo "lint: clang-tidy clean on ${#compiled[@]} files"
