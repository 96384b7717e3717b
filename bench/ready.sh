#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# When the bar answers, beside when it shows: the shared dock benchmark's
# start-up ends at the first mapped window, the parked grip, which goes on
# the screen before the items, the caption and the other windows are built.
# This one times exec to the command socket taking words, the last step of
# loading (the hotkey and drops are armed just before it), with 30 stored
# items, on a private Xvfb + openbox.
# Usage: bench/ready.sh [build-dir]     RUNS=7 by default
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
# Absolute, whatever folder the programs are run from.
build_dir=$(cd "${1:-$source_dir/build}" && pwd)
kestrel="$build_dir/bin/kestrel2"
[ -x "$kestrel" ] || { echo "build first: $kestrel" >&2; exit 2; }
source "$source_dir/bench/bench-display.sh"
source "$source_dir/bench/homes.sh"

make_kestrel_home "$work/template" 30

python3 - "$kestrel" "${RUNS:-7}" "$work/template/.config/Dash97/settings.ini" <<'PYEOF'
import os, shutil, statistics, subprocess, sys, time

kestrel, runs, template = sys.argv[1], int(sys.argv[2]), sys.argv[3]
settings = os.path.join(os.environ['XDG_CONFIG_HOME'], 'Dash97', 'settings.ini')
tag = os.environ['DISPLAY'].lstrip(':').split('.')[0]
uid = os.getuid()
sockets = [f'/run/user/{uid}/kestrel98-{uid}/kestrel2-{tag}.socket', f'/tmp/kestrel98-{uid}/kestrel2-{tag}.socket']

def socket_open():
    return any(os.path.exists(path) for path in sockets)

figures = []
for run in range(runs):
    shutil.copyfile(template, settings)
    start = time.monotonic_ns()
    bar = subprocess.Popen([kestrel], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    while not socket_open():
        if bar.poll() is not None or time.monotonic_ns() - start > 10e9:
            sys.exit(f'run {run + 1}: the bar ended or never opened its command socket')
        time.sleep(0.0002)
    figures.append((time.monotonic_ns() - start) / 1e6)
    bar.terminate()
    bar.wait()
    while socket_open():
        time.sleep(0.01)
    time.sleep(0.3)
print(f"ready (exec to commands taken), 30 items: {statistics.median(figures):.1f} ms median, "
      f"{min(figures):.1f}..{max(figures):.1f} over {runs} runs")
PYEOF
