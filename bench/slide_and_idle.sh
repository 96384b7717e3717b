#!/usr/bin/env bash
# The slide's cost and the bar's idle cost, on a private Xvfb + openbox:
#  - reveal: the shared dock benchmark's reveal latency (pointer onto the
#    grip with Behavior "move" until the bar stands at the edge), divided by
#    the number of slide steps at the default speed gives the frame time;
#  - wake-ups: voluntary context switches of the program over 30 s parked,
#    and over 30 s after Ctrl+Alt+A with the pointer away (the idle timer
#    ticks until the bar parks, then nothing runs).
# Usage: bench/slide_and_idle.sh [build-dir]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$source_dir/build}
peer_bench=${PEER_BENCH:-$source_dir/../shared/tools/peer-bench.sh}
kestrel="$build_dir/bin/kestrel2"
work=$(mktemp -d /tmp/k98-bench.XXXXXX)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null || true; rm -rf "$work"' EXIT

mkdir -p "$work/home/.config/Dash97"
printf '[App]\nFirstTimeEx=no\n[Setting]\nBehavior=move\nTop=3000\n[Items]\n0=/usr/bin|Programs\n1=sep\n' \
    > "$work/home/.config/Dash97/settings.ini"
echo "== reveal (Behavior move, Speed 100: a 1280-pixel screen slides in 191 steps)"
bash "$peer_bench" -q -n 3 -i 1 -s 2 -r -H "$work/home" -- "$kestrel" | grep -E 'reveal|startup'

echo "== wake-ups"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
sleep 0.5
export XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
sed -i 's/^Behavior=move/Behavior=click/' "$XDG_CONFIG_HOME/Dash97/settings.ini"
"$kestrel" >/dev/null 2>&1 &
pid=$!
pids+=($pid)
sleep 3
xdotool mousemove 640 700
switches() { awk '/^voluntary_ctxt_switches/{print $2}' "/proc/$pid/status"; }
before=$(switches); sleep 30; after=$(switches)
echo "parked, 30 s: $((after - before)) wake-ups"
xdotool key ctrl+alt+a
sleep 0.5
before=$(switches); sleep 30; after=$(switches)
echo "shown with the pointer away, 30 s (parks after 3 idle ticks): $((after - before)) wake-ups"
