#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# One bar per user and display, whatever the environment of the start:
# - a second plain start is refused, says so in one line on stderr, writes
#   nothing and slides the running bar in; so is a start without
#   XDG_RUNTIME_DIR, or with it and TMPDIR set to other folders;
# - the spellings ":N" and ":N.0" of the display reach the same bar;
# - a command to a stopped bar gives up after 2 s with a message and
#   status 1, and a second start then still ends.
source "$(dirname "$0")/x11-session.sh"
start_x 1024 768
write_settings_after_tour <<INI
[App]
Path=$K98_BIN_DIR
[Setting]
Speed=30000
INI
xdotool mousemove 500 600
start_parked_bar 1015
before=$(md5sum < "$SETTINGS")
mkdir -p "$E2E_TMP/other-run" "$E2E_TMP/other-tmp"
chmod 700 "$E2E_TMP/other-run"

# Runs kestrel2 with the given environment changes and options, at most
# 5 s; its status, stderr in $E2E_TMP/err.
run_with() {
    local status=0
    timeout 5 env "$@" >/dev/null 2>"$E2E_TMP/err" || status=$?
    echo "$status"
}
park() {
    [ "$(run_with "$KESTREL" --hide)" = 0 ] || fail "--hide failed"
    wait_until 5 bar_x_is 1015 || fail "--hide did not park the bar"
}

for environment in "" "-u XDG_RUNTIME_DIR" "XDG_RUNTIME_DIR=$E2E_TMP/other-run TMPDIR=$E2E_TMP/other-tmp"; do
    # shellcheck disable=SC2086  # the environment is several words
    status=$(run_with $environment "$KESTREL")
    [ "$status" = 0 ] || fail "second start ($environment): status $status"
    # Qt adds a warning of its own when XDG_RUNTIME_DIR is unset.
    [ "$(grep -c '^kestrel2:' "$E2E_TMP/err")" = 1 ] && grep -q '^kestrel2: .*already running' "$E2E_TMP/err" ||
        fail "second start ($environment) did not say it was refused: $(cat "$E2E_TMP/err")"
    wait_until 5 bar_x_is 0 || fail "second start ($environment) did not slide the running bar in"
    kill -0 "$BAR_PID" || fail "the running bar ended"
    [ "$(md5sum < "$SETTINGS")" = "$before" ] || fail "second start ($environment) wrote the settings"
    park
done
echo "second starts are refused in any environment, say so and show the bar"

[ "$(run_with -u XDG_RUNTIME_DIR DISPLAY="$DISPLAY.0" "$KESTREL" --toggle)" = 0 ] || fail "--toggle on $DISPLAY.0 failed"
wait_until 5 bar_x_is 0 || fail "--toggle on $DISPLAY.0 did not reach the bar"
[ "$(run_with DISPLAY="$DISPLAY.0" "$KESTREL" --hide)" = 0 ] || fail "--hide on $DISPLAY.0 failed"
wait_until 5 bar_x_is 1015 || fail "--hide on $DISPLAY.0 did not reach the bar"
[ "$(xdotool search --name '^Kestrel 98$' | wc -l)" = 1 ] || fail "more than one bar"
echo "both spellings of the display reach the same bar"

kill -STOP "$BAR_PID"
status=$(run_with "$KESTREL" --show)
[ "$status" = 1 ] || fail "--show to a stopped bar: status $status"
grep -q 'does not answer' "$E2E_TMP/err" || fail "--show to a stopped bar said nothing: $(cat "$E2E_TMP/err")"
status=$(run_with "$KESTREL")
[ "$status" = 0 ] || fail "a second start beside a stopped bar: status $status"
kill -CONT "$BAR_PID"
kill -0 "$BAR_PID" || fail "the stopped bar ended"
echo "a stopped bar: commands give up with a message"
echo "1 passed, 0 failed"
