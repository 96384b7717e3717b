#!/usr/bin/env bash
# Start-up of the real bar under a private Xvfb + openbox, measured with the
# shared dock benchmark: exec to the first mapped window and to the bar parked
# (its last window change), resident memory after start, idle wake-ups while
# parked. Runs once with an empty bar and once with 30 stored items.
# Usage: bench/startup.sh [build-dir]   (default: build)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$source_dir/build}
peer_bench=${PEER_BENCH:-$source_dir/../shared/tools/peer-bench.sh}
kestrel="$build_dir/bin/kestrel2"
[ -x "$kestrel" ] || { echo "build the program first: $kestrel" >&2; exit 2; }

work=$(mktemp -d /tmp/k98-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT

# A home whose settings file holds the given number of items.
make_home() {
    local home=$1 count=$2
    mkdir -p "$home/.config/Dash97"
    {
        printf '[App]\nFirstTimeEx=no\n[Setting]\nTop=3000\n[Items]\n'
        local targets=(/usr/bin /bin/sh /etc/hostname "My Computer" sep "Recycle Bin" /usr/share "Desktop Folder"
                       /bin/ls "group|Tools|:")
        for ((i = 0; i < count; i++)); do
            local t=${targets[$((i % ${#targets[@]}))]}
            case "$t" in
                sep|group*) printf '%d=%s\n' "$i" "$t" ;;
                *) printf '%d=%s|item %d\n' "$i" "$t" "$i" ;;
            esac
        done
    } > "$home/.config/Dash97/settings.ini"
}

for count in 0 30; do
    make_home "$work/home$count" "$count"
    echo "== $count stored items"
    bash "$peer_bench" -q -n 5 -i 30 -s 3 -H "$work/home$count" -- "$kestrel"
done
