#!/usr/bin/env bash
# Builds the fuzz targets for every reader of outside data with clang's
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer, and runs each
# for a bounded time from its seed corpus in fuzz/corpus/. Ends non-zero on
# the first crash, hang or sanitizer report.
# Usage: tools/run-fuzz.sh [seconds per target] [build folder]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
out=${2:-$source_dir/build-fuzz}
mkdir -p "$out"

declare -A sources=(
    [shell_link]="platform/ShellLink.cpp platform/GuardedFile.cpp"
    [tutorial_file]="platform/tutorial/TutorialFile.cpp platform/GuardedFile.cpp"
    [pe_icon]="standard/PeIconReader.cpp"
    [uri_list]="platform/DropFiles.cpp"
    [ico]=""
    [settings_file]="runtime/IniDocument.cpp"
    [item_string]="core/Stringbas.cpp shared/Stringbas.cpp core/mMain.cpp runtime/SettingsStore.cpp runtime/IniDocument.cpp platform/GuardedFile.cpp"
)
flags=(-std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -I"$source_dir")
read -r -a qt_flags <<< "$(pkg-config --cflags Qt6Widgets)"
read -r -a qt_libs <<< "$(pkg-config --libs Qt6Widgets)"

for target in "${!sources[@]}"; do
    files=("$source_dir/fuzz/${target}_fuzzer.cpp")
    for file in ${sources[$target]}; do files+=("$source_dir/$file"); done
    clang++ "${flags[@]}" "${qt_flags[@]}" "${files[@]}" "${qt_libs[@]}" -o "$out/${target}_fuzzer"
done

export QT_QPA_PLATFORM=offscreen
for target in $(printf '%s\n' "${!sources[@]}" | sort); do
    corpus="$out/corpus/$target"
    mkdir -p "$corpus"
    cp -n "$source_dir/fuzz/corpus/$target/"* "$corpus/" 2>/dev/null || true
    echo "== $target: $seconds s"
    "$out/${target}_fuzzer" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len=70000 \
        -print_final_stats=1 "$corpus" 2>"$out/$target.log" || { tail -40 "$out/$target.log"; exit 1; }
    grep -E 'stat::number_of_executed_units' "$out/$target.log" || true
done
echo "fuzzing: every target ran its time without a finding"
