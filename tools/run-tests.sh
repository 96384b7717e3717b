#!/usr/bin/env bash
# Builds everything and runs every test: the headless unit tests, the
# end-to-end tests on a private virtual display, and each fuzz target for a
# bounded time (K98_FUZZ_SECONDS, 30 by default).
set -euo pipefail
K98_SOURCE_DIR=$(cd "$(dirname "$0")/.." && pwd)
source "$K98_SOURCE_DIR/tools/deps.sh"
BUILD_DIR=${BUILD_DIR:-$K98_SOURCE_DIR/build}

k98_install_missing "${K98_BUILD_PACKAGES[@]}" "${K98_DISPLAY_PACKAGES[@]}" "${K98_FUZZ_PACKAGES[@]}"
k98_build "$BUILD_DIR"
bash "$K98_SOURCE_DIR/tools/run-fuzz.sh" "${K98_FUZZ_SECONDS:-30}" "$BUILD_DIR/fuzz"
cd "$BUILD_DIR"
ctest --output-on-failure -j2
