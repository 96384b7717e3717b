#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The desktop portal's global shortcut in a Wayland session, against a
# stand-in portal on a private session bus: with no portal the bar starts as
# before; declined, it binds nothing and says nothing; with one it binds
# "Show Kestrel 98" (preferred trigger Ctrl+Alt+A) and slides in when the
# portal reports the shortcut pressed.
source "$(dirname "$0")/x11-session.sh"
STANDIN="$K98_BIN_DIR/../tests/portal_standin"
[ -x "$STANDIN" ] || fail "the stand-in portal is not built"
start_x 1024 768
write_settings_after_tour <<'INI'
[Setting]
Speed=300
INI
export XDG_SESSION_TYPE=wayland

start_session_bus
portal() { dbus-send --session --print-reply --dest=org.freedesktop.portal.Desktop /org/freedesktop/portal/desktop "$@"; }

stop_bar() {
    kill -TERM "$BAR_PID"
    wait_until 10 bash -c "! kill -0 $BAR_PID 2>/dev/null" || fail "the bar did not end"
}

start_bar
wait_until 5 bar_x_is 1015 || fail "with no portal the bar is not parked: $(geometry_of "$BAR_WINDOW")"
[ ! -s "$E2E_TMP/bar.log" ] || fail "with no portal the bar said: $(cat "$E2E_TMP/bar.log")"
stop_bar
echo "no portal on the bus: the bar started as before, silently"

start_portal() {
    "$STANDIN" "$E2E_TMP/portal.log" "$@" &
    PORTAL_PID=$!
    PIDS+=("$PORTAL_PID")
    wait_until 10 portal org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1 || fail "the stand-in portal did not start"
}
start_portal --decline
start_bar
wait_until 10 grep -q '^CreateSession' "$E2E_TMP/portal.log" || fail "the bar did not ask the portal"
if wait_until 2 grep -q '^BindShortcuts' "$E2E_TMP/portal.log"; then fail "the bar bound a shortcut in a declined session"; fi
wait_until 5 bar_x_is 1015 || fail "declined, the bar is not parked: $(geometry_of "$BAR_WINDOW")"
[ ! -s "$E2E_TMP/bar.log" ] || fail "declined, the bar said: $(cat "$E2E_TMP/bar.log")"
stop_bar
kill "$PORTAL_PID"
wait_until 10 bash -c "! kill -0 $PORTAL_PID 2>/dev/null" || fail "the stand-in portal did not end"
rm "$E2E_TMP/portal.log"
echo "declined: no shortcut bound, nothing said"

start_portal
start_bar
wait_until 10 grep -q '^BindShortcuts' "$E2E_TMP/portal.log" || fail "the bar bound no shortcut: $(cat "$E2E_TMP/portal.log")"
grep -q '^CreateSession handle_token=[A-Za-z0-9_]* session=/org/freedesktop/portal/desktop/session/' \
    "$E2E_TMP/portal.log" || fail "no session created: $(cat "$E2E_TMP/portal.log")"
session=$(sed -n 's/^CreateSession .* session=//p' "$E2E_TMP/portal.log")
grep -qx "BindShortcuts session=$session parent=\"\" id=show description=Show Kestrel 98 preferred_trigger=CTRL+ALT+a" \
    "$E2E_TMP/portal.log" || fail "unexpected binding: $(cat "$E2E_TMP/portal.log")"
echo "the bar created a session and bound \"Show Kestrel 98\", preferred trigger CTRL+ALT+a"

xdotool mousemove 500 600
bar_x_is 1015 || fail "the bar is not parked before the shortcut: $(geometry_of "$BAR_WINDOW")"
portal k98.test.StandIn.Activate >/dev/null || fail "the stand-in could not report the shortcut"
wait_until 5 bar_x_is 0 || fail "the portal's shortcut did not slide the bar in: $(geometry_of "$BAR_WINDOW")"
[ "$(xdotool getwindowfocus)" = "$BAR_WINDOW" ] || fail "the portal's shortcut did not give the bar the keyboard"
echo "the portal reported the shortcut: the bar slid in with the keyboard"
echo "1 passed, 0 failed"
