#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Opens each dialog twice on a private Xvfb + openbox and prints how much the
# first opening, which loads the dialog's library, costs over the second.
# Usage: bench/dialog_first_open.sh [build-dir]   (default: build)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
# Absolute, whatever folder the programs are run from.
build_dir=$(cd "${1:-$source_dir/build}" && pwd)
bench="$build_dir/bench/dialog_first_open"
[ -x "$bench" ] || { echo "build first: $bench" >&2; exit 2; }
source "$source_dir/bench/bench-display.sh"
"$bench" "$build_dir/bin"
