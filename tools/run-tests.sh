#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the formatting, builds everything (the plain build with warnings as
# errors) and runs every test: each fuzz target for a bounded time
# (K98_FUZZ_SECONDS, 30 by default), the headless unit tests and the
# end-to-end tests on a private virtual display in a build with the
# sanitizers, then both once more in the plain build.
set -euo pipefail
K98_SOURCE_DIR=$(cd "$(dirname "$0")/.." && pwd)
source "$K98_SOURCE_DIR/tools/deps.sh"
BUILD_DIR=${BUILD_DIR:-$K98_SOURCE_DIR/build}

SANITIZE_DIR=${SANITIZE_DIR:-$K98_SOURCE_DIR/build-sanitize}

k98_install_missing "${K98_BUILD_PACKAGES[@]}" "${K98_DISPLAY_PACKAGES[@]}" "${K98_FUZZ_PACKAGES[@]}" \
    "${K98_WAYLAND_TEST_PACKAGES[@]}" "${K98_LINT_PACKAGES[@]}"
bash "$K98_SOURCE_DIR/tools/lint.sh" --format-only
# The plain build treats a compiler warning as an error.
K98_CMAKE_OPTIONS="-DK98_WERROR=ON ${K98_CMAKE_OPTIONS:-}" k98_build "$BUILD_DIR"
bash "$K98_SOURCE_DIR/tools/run-fuzz.sh" "${K98_FUZZ_SECONDS:-30}" "${FUZZ_DIR:-$K98_SOURCE_DIR/build-fuzz}"

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
# A report ends a test program with an error; the programs the end-to-end tests
# start write theirs to files, and any file fails the run. The package test is
# left to the plain build: it checks what is shipped.
K98_CMAKE_OPTIONS="${K98_CMAKE_OPTIONS:-} -DK98_SANITIZE=ON" k98_build "$SANITIZE_DIR"
reports="$SANITIZE_DIR/sanitizer-reports"
rm -rf "$reports" && mkdir -p "$reports"
# The Wayland-session test runs its programs as an unprivileged user.
chmod 1777 "$reports"
sanitized=0
(
    cd "$SANITIZE_DIR"
    export ASAN_OPTIONS="log_path=$reports/asan:detect_leaks=1"
    export LSAN_OPTIONS="suppressions=$K98_SOURCE_DIR/tests/sanitizers/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="log_path=$reports/ubsan:print_stacktrace=1:halt_on_error=1"
    ctest --output-on-failure -j2 -E '^package\.'
) || sanitized=$?
if [ -n "$(ls -A "$reports")" ]; then
    cat "$reports"/* >&2
    sanitized=1
fi
[ "$sanitized" -eq 0 ] || { echo "the tests failed under the sanitizers (above)" >&2; exit 1; }

cd "$BUILD_DIR"
ctest --output-on-failure -j2
