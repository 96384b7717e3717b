# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A private X server with openbox, for scripts that show the real bar without
# touching the user's display. Source it, then `start_private_display 1280x800`:
# it needs $work (a scratch folder) and the array pids, which gets both
# processes, and sets DISPLAY.
start_private_display() {
    Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
    export DISPLAY=":$(head -n1 "$work/display")"
    openbox --sm-disable >/dev/null 2>&1 &
    pids+=($!)
    sleep 0.5
}
