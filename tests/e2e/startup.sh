#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program on a real X server: it parks at the right edge, a second
# instance ends without touching the settings, and SIGTERM writes the state.
source "$(dirname "$0")/x11-session.sh"
start_x 1024 768

write_settings_after_tour <<'INI'
[Setting]
Top=300
[Items]
0=sep
1=sep
INI
start_bar

# The connection that finds the server stays until Qt has its own: were it
# gone first, a server with no other client would reset between the two and
# drop Qt's, which Qt ends the program for.
awk -v pid="$BAR_PID" '
    / connected from / && index($0, "pid=" pid " )") {
        split(substr($0, index($0, "client ")), word, " ")
        if (probe == "") probe = word[2]
        else if (!gone) { held = 1; exit }
        next
    }
    probe != "" && $0 ~ ("client " probe " disconnected$") { gone = 1 }
    END { exit !held }' "$XVFB_LOG" || fail "the bar left the server without a connection while it started: $(cat "$XVFB_LOG")"
echo "the bar held a connection from its first to Qt's"

read -r x y w h < <(geometry_of "$BAR_WINDOW")
[ "$w" = 1024 ] || fail "width $w, expected the screen's 1024"
[ "$h" = 30 ] || fail "height $h, expected 30"
[ "$x" = 1015 ] || fail "x $x, expected 1015 (9 pixels showing)"
[ "$y" = 20 ] || fail "y $y, expected 20 (Top 300 twips)"
echo "parked at $x,$y ${w}x$h"

before=$(md5sum "$SETTINGS")
timeout 20 "$KESTREL" >/dev/null 2>&1 || fail "the second instance did not end cleanly"
[ "$(md5sum "$SETTINGS")" = "$before" ] || fail "the second instance changed the settings"
echo "second instance ended without writing"

kill -TERM "$BAR_PID"
wait_until 10 bash -c "! kill -0 $BAR_PID 2>/dev/null" || fail "SIGTERM did not end the bar"
grep -q '^Top=300' "$SETTINGS" || fail "position not written at SIGTERM"
grep -q '^Path=' "$SETTINGS" || fail "program folder not stored"
grep -q '^1=sep' "$SETTINGS" || fail "items not written at SIGTERM"
if grep -q '^2=' "$SETTINGS"; then fail "the list was not ended after the last item"; fi
echo "SIGTERM wrote position and items"
echo "1 passed, 0 failed"
