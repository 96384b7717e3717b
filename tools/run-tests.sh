#!/usr/bin/env bash
# Builds everything and runs every test: the headless unit tests and the
# end-to-end tests on a private virtual display.
set -euo pipefail
K98_SOURCE_DIR=$(cd "$(dirname "$0")/.." && pwd)
source "$K98_SOURCE_DIR/tools/deps.sh"
BUILD_DIR=${BUILD_DIR:-$K98_SOURCE_DIR/build}

k98_install_missing "${K98_BUILD_PACKAGES[@]}" "${K98_DISPLAY_PACKAGES[@]}"
k98_build "$BUILD_DIR"
cd "$BUILD_DIR"
ctest --output-on-failure -j2
