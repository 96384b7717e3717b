# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the end-to-end tests: a private X server with a window manager,
# a private settings folder, and helpers to drive and inspect the real bar.
# Source it; it sets DISPLAY, XDG_CONFIG_HOME, XDG_RUNTIME_DIR and E2E_TMP.

set -euo pipefail

: "${K98_BIN_DIR:?K98_BIN_DIR must name the program folder}"
KESTREL="$K98_BIN_DIR/kestrel2"
E2E_TMP=$(mktemp -d /tmp/k98-e2e.XXXXXX)
# The program's temporary files have fixed names in a per-user folder under
# TMPDIR: a test running beside this one must not share it.
export XDG_CONFIG_HOME="$E2E_TMP/config" XDG_RUNTIME_DIR="$E2E_TMP/run" TMPDIR="$E2E_TMP/tmp"
mkdir -p "$XDG_CONFIG_HOME/Dash97" "$XDG_RUNTIME_DIR" "$TMPDIR"
chmod 700 "$XDG_RUNTIME_DIR"
SETTINGS="$XDG_CONFIG_HOME/Dash97/settings.ini"
unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb

# A sanitizer's report ends a program with this status, which the program
# itself never uses, so a test that checks statuses can tell the two apart.
SANITIZER_STATUS=86
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}exitcode=$SANITIZER_STATUS"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}exitcode=$SANITIZER_STATUS"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}exitcode=$SANITIZER_STATUS"

PIDS=()
# Mount points to undo however the test ends; add each as it is mounted.
MOUNTS=()
# The shell forked for a background job runs this trap too when a signal
# meets it before it has started its program (a test that ends the program
# at once does that): only the test's own shell may clean up.
in_test_shell() { [ "$BASHPID" = "$$" ]; }
cleanup() {
    in_test_shell || return 0
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    local i
    for ((i = ${#MOUNTS[@]} - 1; i >= 0; --i)); do umount "${MOUNTS[i]}" 2>/dev/null || true; done
    rm -rf "$E2E_TMP"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Fails when a status is that of a sanitizer's report rather than the program's.
sanitizer_status() {
    [ "$1" != "$SANITIZER_STATUS" ] || fail "$2: a sanitizer reported a fault (status $1); see its report"
}

# Starts Xvfb on a free display, then a window manager unless NO_WM is set:
# openbox, or the one named by E2E_WM. A server resets when its last client
# leaves and drops the connections it takes in meanwhile: a test that ends its
# only client (a bar without a window manager) must not start the next one
# into that, hence -noreset. Every client's coming and going is logged to
# $XVFB_LOG.
XVFB_LOG="$E2E_TMP/xvfb.log"
start_x() {
    local width=${1:-1024} height=${2:-768}
    # A second server in one test must not be taken for the first: the
    # background job may empty the file only after the wait below looked.
    rm -f "$E2E_TMP/display"
    Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp -noreset -audit 4 \
        3>"$E2E_TMP/display" 2>"$XVFB_LOG" &
    XVFB_PID=$!
    PIDS+=($!)
    for _ in $(seq 400); do [ -s "$E2E_TMP/display" ] && break; sleep 0.05; done
    [ -s "$E2E_TMP/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$E2E_TMP/display")"
    if [ -z "${NO_WM:-}" ]; then
        case "${E2E_WM:-openbox}" in
        openbox) openbox --sm-disable >/dev/null 2>&1 & ;;
        *) "$E2E_WM" >/dev/null 2>&1 & ;;
        esac
        PIDS+=($!)
        sleep 0.5
    fi
}

# Drags the files named after X and Y from a stand-in file manager to pixel
# X, Y the way a hand would, and lets go there.
DRAG_SOURCE="$K98_BIN_DIR/../tests/drag_source"
drag_to() {
    local x=$1 y=$2 step
    shift 2
    "$DRAG_SOURCE" "$@" &
    local source=$!
    PIDS+=($source)
    wait_until 5 bash -c "xdotool search --name '^drag source$' >/dev/null" || fail "no drag source"
    sleep 0.3
    xdotool mousemove 200 550 mousedown 1
    for step in 1 2 3 4 5 6; do
        xdotool mousemove $((200 + (x - 200) * step / 6)) $((550 + (y - 550) * step / 6))
        sleep 0.1
    done
    xdotool mouseup 1
    sleep 0.5
    kill "$source" 2>/dev/null || true
}

# Writes a script that, each time it runs, adds the folder it runs in as a
# line of $E2E_TMP/NAME.ran; at FILE, or at $E2E_TMP/NAME.sh.
recording_script() {
    local name=$1 file=${2:-$E2E_TMP/$1.sh}
    printf '#!/bin/sh\necho "$(pwd)" >> "%s/%s.ran"\n' "$E2E_TMP" "$name" > "$file"
    chmod +x "$file"
}
# How often the recording script NAME ran; whether that is COUNT.
runs() { [ -f "$E2E_TMP/$1.ran" ] && wc -l < "$E2E_TMP/$1.ran" || echo 0; }
has_runs() { [ "$(runs "$1")" = "$2" ]; }

# Writes the settings file from stdin (INI text).
write_settings() { cat > "$SETTINGS"; }
# The same for a user who has seen the tour: the bar offers it only when
# [App] FirstTimeEx is missing. Stdin starts with a section of its own.
write_settings_after_tour() { { printf '[App]\nFirstTimeEx=no\n'; cat; } > "$SETTINGS"; }

start_bar() {
    "$KESTREL" >"$E2E_TMP/bar.log" 2>&1 &
    BAR_PID=$!
    PIDS+=($BAR_PID)
    wait_for_bar
}

# The dialog libraries the running bar has loaded, by name, on one line.
loaded_dialog_libraries() {
    grep -oE 'lib(kestrel98|glintbox|plainbox|tutorview)\.so' "/proc/$BAR_PID/maps" | sort -u | tr '\n' ' ' || true
}

# Ends the bar with SIGTERM, as the end of a session does: it must be gone
# within 10 s with status 0 and no sanitizer report. The argument names the
# bar in a failure message.
end_bar_cleanly() {
    kill -TERM "$BAR_PID"
    wait_until 10 bash -c "! kill -0 $BAR_PID 2>/dev/null" || fail "SIGTERM did not end $1"
    local status=0
    wait "$BAR_PID" 2>/dev/null || status=$?
    sanitizer_status "$status" "$1"
    [ "$status" -eq 0 ] || fail "$1 ended with status $status: $(cat "$E2E_TMP/bar.log")"
}

# A private session bus for the program and the test, so that nothing of the
# machine's own desktop answers; its address is exported.
start_session_bus() {
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$E2E_TMP/bus" 2>"$E2E_TMP/bus.log" &
    PIDS+=($!)
    wait_until 10 test -s "$E2E_TMP/bus" || fail "the private session bus did not start"
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$E2E_TMP/bus")
    export DBUS_SESSION_BUS_ADDRESS
}

# Starts the bar and checks that it parked at the given x.
start_parked_bar() {
    start_bar
    wait_until 5 bar_x_is "$1" || fail "not parked at x=$1: $(geometry_of "$BAR_WINDOW")"
}

# The bar's window id (the one titled "Kestrel 98").
bar_window() { xdotool search --name '^Kestrel 98$' 2>/dev/null | head -n1; }

wait_for_bar() {
    for _ in $(seq 200); do
        local id
        id=$(bar_window || true)
        if [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
            BAR_WINDOW=$id
            return 0
        fi
        sleep 0.05
    done
    cat "$E2E_TMP/bar.log" >&2
    fail "the bar did not appear"
}

# Absolute geometry of a window: "x y width height".
geometry_of() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}

# The raw pixels of a part of the screen ("WIDTHxHEIGHT+X+Y") into a file.
shoot() { import -window root -crop "$1" +repage "rgb:$2"; }

# Waits until a command succeeds (up to about the given seconds).
wait_until() {
    local seconds=$1; shift
    local tries=$((seconds * 20))
    for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.05; done
    return 1
}

bar_x_is() { [ "$(geometry_of "$BAR_WINDOW" | cut -d' ' -f1)" = "$1" ]; }

# Slides a bar from the right in with Ctrl+Alt+A, to x 0 or the given x. The
# bar grabs the key a moment after its window maps (longer in the sanitizer
# build): press again while it has not come.
slide_in_with_hotkey() {
    for _ in 1 2 3 4 5; do
        xdotool key ctrl+alt+a
        wait_until 1 bar_x_is "${1:-0}" && return 0
    done
    return 1
}
