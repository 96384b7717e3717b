#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# How long the bar keeps a command waiting while it writes its settings to a
# disk whose every fsync takes 2 s (strace fault injection), and with the
# pointer resting on an item whose tip is 10 MB long: from the start of
# `kestrel2 --hide` or `--show` to the bar's window at its new place, on a
# private Xvfb + openbox. The goals: 100 ms during a write, 200 ms on the
# long tip (both include starting the command's own process).
# Usage: bench/slow_disk.sh [build-dir]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
# Absolute, whatever folder the programs are run from.
build_dir=$(cd "${1:-$source_dir/build}" && pwd)
kestrel="$build_dir/bin/kestrel2"
[ -x "$kestrel" ] || { echo "build the program first: $kestrel" >&2; exit 2; }
source "$source_dir/bench/bench-display.sh"
settings="$XDG_CONFIG_HOME/Dash97/settings.ini"

bar_x() { xwininfo -id "$1" | awk '/Absolute upper-left X/{print $4}'; }
# Milliseconds from running the command to the bar's window at x.
command_ms() {
    local window=$1 option=$2 x=$3 start
    start=$(date +%s%N)
    "$kestrel" "$option"
    until [ "$(bar_x "$window")" = "$x" ]; do sleep 0.002; done
    echo $((($(date +%s%N) - start) / 1000000))
}
start_bar() {
    "$@" >/dev/null 2>&1 &
    pids+=($!)
    sleep 3
    window=$(xdotool search --name '^Kestrel 98$' | head -n1)
}
# Ends the bar, which under strace is strace's child.
stop_bar() {
    kill "$(pgrep -P "${pids[-1]}" -x kestrel2 || echo "${pids[-1]}")"
    wait "${pids[-1]}" 2>/dev/null || true
}

echo "== during a write of 4 s (two fsyncs of 2 s)"
printf '[App]\nFirstTimeEx=no\n[Setting]\nSpeed=30000\n[Items]\n0=/usr/bin|Programs\n' > "$settings"
start_bar strace -f --seccomp-bpf -o /dev/null -e trace=fsync -e inject=fsync:delay_enter=2000000 "$kestrel"
for run in 1 2 3; do
    "$kestrel" --show
    sleep 0.3
    # A drag of the background moves the bar 10 pixels and stores its place.
    xdotool mousemove 700 15 mousedown 1 mousemove 700 20 mousemove 700 25 mouseup 1
    sleep 0.2
    echo "run $run: --hide $(command_ms "$window" --hide 1271) ms, --show $(command_ms "$window" --show 0) ms"
    sleep 4
done
stop_bar

echo "== the pointer on an item with a 10 MB tip, its tip shown"
{
    printf '[App]\nFirstTimeEx=no\n[Setting]\nSpeed=30000\n[Items]\n0=/usr|'
    head -c 10000000 /dev/zero | tr '\0' 'x'
    printf '\n'
} > "$settings"
start_bar "$kestrel"
for run in 1 2 3; do
    "$kestrel" --show
    xdotool mousemove 25 15
    sleep 4
    echo "run $run: --hide $(command_ms "$window" --hide 1271) ms"
done
stop_bar
