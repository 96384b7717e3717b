#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Kestrel 98 beside another dock (Plank, auto-hiding, 30 launchers) and the
# least Qt Widgets program (the yardstick for start-up and memory; also with
# one line of text, the least a program that draws text can be), each
# measured in the same run by the shared dock benchmark on a private Xvfb +
# openbox; then the bar's own figures that the dock benchmark cannot take
# (wake-ups while shown, building item pictures, when it answers, memory
# once it has been seen).
# Prints every figure and the ratios against the goals.
# Usage: bench/compare-peers.sh [build-dir]     RUNS=5 by default
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
# Absolute, whatever folder the programs are run from.
build_dir=$(cd "${1:-$source_dir/build}" && pwd)
runs=${RUNS:-5}
peer_bench=${PEER_BENCH:-$source_dir/../shared/tools/peer-bench.sh}
kestrel="$build_dir/bin/kestrel2"
bare="$build_dir/bench/bare_qt_window"
pictures="$build_dir/bench/item_pictures_bench"
for program in "$kestrel" "$bare" "$pictures"; do
    [ -x "$program" ] || { echo "build first: $program" >&2; exit 2; }
done
K98_SOURCE_DIR=$source_dir
source "$source_dir/tools/deps.sh"
source "$source_dir/bench/homes.sh"
k98_install_missing plank dbus dconf-gsettings-backend libglib2.0-bin "${K98_DISPLAY_PACKAGES[@]}"

work=$(mktemp -d /tmp/k98-compare.XXXXXX)
trap '[ "$BASHPID" != "$$" ] || rm -rf "$work"' EXIT
make_kestrel_home "$work/kestrel-home" 30
make_plank_home "$work/plank-home" 30
plank_autohide='gsettings set net.launchpad.plank.dock.settings:/net/launchpad/plank/docks/dock1/ hide-mode auto'

measure() {
    local name=$1
    shift
    echo "== $name"
    bash "$peer_bench" -q -n "$runs" -i 30 -s 5 -o "$work/$name.tsv" "$@"
}
measure kestrel -H "$work/kestrel-home" -- "$kestrel"
measure plank -H "$work/plank-home" -S "$plank_autohide" -- plank
measure bare-qt -- "$bare"
measure bare-qt-text -- "$bare" --caption

echo "== Kestrel 98 shown with the pointer away"
bash "$source_dir/bench/slide_and_idle.sh" "$build_dir" | tee "$work/slide.txt"
echo "== Kestrel 98 ready"
bash "$source_dir/bench/ready.sh" "$build_dir" | tee "$work/ready.txt"
echo "== Kestrel 98's first slide-in"
bash "$source_dir/bench/first_slide.sh" "$build_dir" | tee "$work/first-slide.txt"
echo "== building 30 item pictures"
"$pictures" --benchmark_filter=FirstTime --benchmark_format=json >"$work/pictures.json"

python3 - "$work" <<'PYEOF'
import json, re, statistics, sys
work = sys.argv[1]

def median(name, key):
    with open(f'{work}/{name}.tsv') as f:
        header, *rows = [line.rstrip('\n').split('\t') for line in f]
    column = header.index(key)
    values = [float(row[column]) for row in rows if row[column] not in ('', 'None')]
    return statistics.median(values)

names = ('kestrel', 'plank', 'bare-qt', 'bare-qt-text')
startup = {n: median(n, 'startup_ms') for n in names}
memory = {key: {n: median(n, f'{key}_kb') / 1024 for n in names} for key in ('pss', 'rss', 'uss')}
pss = memory['pss']
parked = median('kestrel', 'idle_vcsw_all')
shown_line = next(line for line in open(f'{work}/slide.txt')
                  if line.startswith('shown with the pointer away'))
ticking, after_park = map(int, re.search(r'(\d+) wake-ups.*then (\d+) in', shown_line).groups())
first = json.load(open(f'{work}/pictures.json'))['benchmarks'][0]
pictures_ms = first['real_time'] / (1e6 if first['time_unit'] == 'ns' else
                                    1e3 if first['time_unit'] == 'us' else 1)

def row(what, figure, goal, ok):
    print(f"{what:<44}{figure:<50}{goal:<20}{'met' if ok else 'NOT MET'}")

print()
print(f"{'':<44}{'figure (median)':<50}{'goal':<20}")
row('start-up, 30 items, vs Plank', f"{startup['kestrel']:.0f} / {startup['plank']:.0f} ms"
    f" = {startup['kestrel'] / startup['plank']:.2f}x", '<= 0.35x',
    startup['kestrel'] <= 0.35 * startup['plank'])
row('start-up, 30 items, vs bare Qt window', f"{startup['kestrel']:.0f} / {startup['bare-qt']:.0f} ms"
    f" = {startup['kestrel'] / startup['bare-qt']:.2f}x", '<= 1.10x',
    startup['kestrel'] <= 1.10 * startup['bare-qt'])
ready = float(re.search(r'([0-9.]+) ms median', open(f'{work}/ready.txt').read()).group(1))
print(f"{'ready (takes commands), 30 items':<44}{ready:.0f} ms (start-up ends at the parked grip)")
row('PSS, 30 items, vs Plank', f"{pss['kestrel']:.1f} / {pss['plank']:.1f} MiB"
    f" = {pss['kestrel'] / pss['plank']:.2f}x", '<= 0.5x', pss['kestrel'] <= 0.5 * pss['plank'])
row('PSS, 30 items, vs bare Qt window', f"{pss['kestrel']:.1f} / {pss['bare-qt']:.1f} MiB"
    f" = {pss['kestrel'] / pss['bare-qt']:.2f}x", '<= 1.15x', pss['kestrel'] <= 1.15 * pss['bare-qt'])
first_slide = open(f'{work}/first-slide.txt').read()
after_slide = float(re.search(r'after it ([0-9.]+) MiB', first_slide).group(1))
first_move, later_move = map(float, re.search(r'first slide-in ([0-9.]+) ms, later ones ([0-9.]+) ms',
                                              first_slide).groups())
print(f"{'PSS, 30 items, after the first slide-in':<44}{after_slide:.1f} MiB (parked again; one run)")
print(f"{'first slide-in, pictures built on the way':<44}starts {first_move - later_move:.0f} ms later than later ones")
print(f"{'PSS, 30 items, vs bare window with text':<44}{pss['kestrel']:.1f} / {pss['bare-qt-text']:.1f} MiB"
      f" = {pss['kestrel'] / pss['bare-qt-text']:.2f}x (start-up {startup['bare-qt-text']:.0f} ms)")
for key, what in (('rss', 'RSS'), ('uss', 'USS (private)')):
    figures = memory[key]
    print(f"{what + ', 30 items, vs bare Qt window':<44}{figures['kestrel']:.1f} / {figures['bare-qt']:.1f} MiB"
          f" = {figures['kestrel'] / figures['bare-qt']:.2f}x (Plank {figures['plank']:.1f} MiB)")
row('wake-ups parked, 30 s (all threads)', f"{parked:.0f}", '0', parked == 0)
row('wake-ups shown, pointer away', f"{ticking} over 3 idle ticks and the park, {after_park} after",
    'none but the ticks', after_park == 0)
row('building 30 item pictures, first time', f"{pictures_ms:.1f} ms", '< 30 ms', pictures_ms < 30)
PYEOF
