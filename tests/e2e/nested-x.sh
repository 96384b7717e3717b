# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# For end-to-end tests that need monitors Xvfb cannot give: a nested X server
# (Xephyr, with the given arguments: several heads, a screen that can change
# size) shown inside a private Xvfb, with openbox on it unless NO_WM is set.
# Source it after x11-session.sh; it sets DISPLAY to the nested server.

start_nested() {
    NO_WM=1 start_x 2400 900
    Xephyr -displayfd 4 -nolisten tcp "$@" 4>"$E2E_TMP/nested" 2>"$E2E_TMP/xephyr.log" &
    PIDS+=($!)
    for _ in $(seq 400); do [ -s "$E2E_TMP/nested" ] && break; sleep 0.05; done
    [ -s "$E2E_TMP/nested" ] || { cat "$E2E_TMP/xephyr.log" >&2; fail "Xephyr did not start"; }
    export DISPLAY=":$(head -n1 "$E2E_TMP/nested")"
    openbox --sm-disable >/dev/null 2>&1 &
    PIDS+=($!)
    sleep 0.5
}
