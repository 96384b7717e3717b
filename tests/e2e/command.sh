#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The command a desktop binds to a key: kestrel2 --show, --hide and --toggle
# reach the running bar, --show with no bar running starts one that slides
# in, a bad option is refused, and other words on the socket change nothing.
# Without an X server the program says so and ends, writing nothing.
source "$(dirname "$0")/x11-session.sh"

status=0
env -u DISPLAY WAYLAND_DISPLAY=wayland-0 "$KESTREL" 2>"$E2E_TMP/nodisplay" || status=$?
[ "$status" = 1 ] || fail "without an X server the status was $status, expected 1"
grep -q 'no X server answers' "$E2E_TMP/nodisplay" || fail "no message without an X server: $(cat "$E2E_TMP/nodisplay")"
[ -z "$(ls -A "$XDG_CONFIG_HOME/Dash97")" ] || fail "a start without an X server wrote $(ls "$XDG_CONFIG_HOME/Dash97")"
echo "no X server: said so, status 1, nothing written"

start_x 1024 768
write_settings_after_tour <<'INI'
[Setting]
Speed=300
INI

for option in --shw -show --show=1 "--show --hide"; do
    status=0
    # shellcheck disable=SC2086  # the last case is two words
    "$KESTREL" $option >"$E2E_TMP/out" 2>"$E2E_TMP/usage" || status=$?
    [ "$status" = 2 ] || fail "$option: status $status, expected 2"
    grep -qx 'usage: kestrel2 \[--show | --hide | --toggle | --help | --version\]' "$E2E_TMP/usage" || fail "$option: no usage line"
    [ ! -s "$E2E_TMP/out" ] || fail "$option: wrote to stdout: $(cat "$E2E_TMP/out")"
done
# --help and --version answer on stdout with status 0, as GNU programs do;
# the help names every option on a line of its own.
"$KESTREL" --help >"$E2E_TMP/help" 2>"$E2E_TMP/err" || fail "--help: status $?"
cmp -s "$E2E_TMP/help" "$E2E_TMP/usage" || fail "--help printed something else than the usage: $(cat "$E2E_TMP/help")"
for option in --show --hide --toggle --help --version; do
    grep -q "^  $option " "$E2E_TMP/help" || fail "--help has no line for $option"
done
"$KESTREL" --version >"$E2E_TMP/version" 2>>"$E2E_TMP/err" || fail "--version: status $?"
grep -qx "kestrel2 ${K98_VERSION:?}" "$E2E_TMP/version" || fail "--version printed: $(cat "$E2E_TMP/version")"
[ ! -s "$E2E_TMP/err" ] || fail "--help or --version wrote to stderr: $(cat "$E2E_TMP/err")"
[ -z "$(bar_window)" ] || fail "a bad option started a bar"
"$KESTREL" --hide || fail "--hide with no bar running failed"
[ -z "$(bar_window)" ] || fail "--hide started a bar"
echo "bad options: usage on stderr and status 2; --help and --version on stdout, status 0; --hide alone does nothing"

# The pointer rests on the strip, so the idle timer leaves a shown bar alone.
xdotool mousemove 500 10
"$KESTREL" --show >"$E2E_TMP/bar.log" 2>&1 &
BAR_PID=$!
PIDS+=("$BAR_PID")
wait_for_bar
wait_until 5 bar_x_is 0 || fail "--show with no bar did not slide the new bar in: $(geometry_of "$BAR_WINDOW")"
echo "--show with no bar started one, slid in"

command_gives() {
    local option=$1 x=$2
    "$KESTREL" "$option" || fail "$option failed"
    wait_until 5 bar_x_is "$x" || fail "$option: bar at $(geometry_of "$BAR_WINDOW"), expected x $x"
    kill -0 "$BAR_PID" 2>/dev/null || fail "$option ended the bar"
}
command_gives --hide 1015
command_gives --toggle 0
command_gives --toggle 1015
xdotool mousemove 500 600
command_gives --show 0
[ "$(xdotool getwindowfocus)" = "$BAR_WINDOW" ] || fail "--show did not give the bar the keyboard"
xdotool mousemove 500 10
# Back under the pointer, should the idle timer have parked it meanwhile.
command_gives --show 0
echo "--hide, --toggle, --toggle, --show: parked, in, parked, in with the keyboard"

socket=$(find "/run/user/$(id -u)/kestrel98-$(id -u)" "/tmp/kestrel98-$(id -u)" -name "kestrel2-${DISPLAY#:}.socket" \
    2>/dev/null | head -n1 || true)
[ -S "$socket" ] || fail "no command socket in the runtime folder"
for word in quit hide-now HIDE toggle2 ''; do
    # Waits until the bar hangs up: by then it has read the word.
    python3 - "$socket" "$word" <<'PY'
import socket, sys
s = socket.socket(socket.AF_UNIX)
s.connect(sys.argv[1])
s.sendall(sys.argv[2].encode() + b"\n")
s.settimeout(10)
assert s.recv(16) == b""
PY
done
if wait_until 2 bar_x_is 1015; then fail "a word that is not a command parked the bar"; fi
kill -0 "$BAR_PID" 2>/dev/null || fail "a word that is not a command ended the bar"
command_gives --hide 1015
echo "other words changed nothing"
echo "1 passed, 0 failed"
