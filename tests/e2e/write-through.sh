#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the user changes on the real bar is in the settings file at once,
# whatever ends the bar afterwards:
# - a dropped file, and the place the bar was dragged to, are stored before a
#   SIGKILL a second later; a drop is stored before the X server goes away
#   right after it;
# - deleting two of four items leaves exactly the two others stored;
# - on a disk whose every fsync takes 2 s the bar answers the pointer while
#   it writes, a SIGTERM lets the write finish past the shutdown's grace
#   time, and a second SIGTERM ends the bar at once; no temporary file is
#   left beside the settings file either way.
source "$(dirname "$0")/x11-session.sh"
files="$E2E_TMP/files"
mkdir -p "$files"
for name in alpha beta gamma; do echo "$name" > "$files/$name.txt"; done

four_items() {
    write_settings_after_tour <<INI
[App]
Path=$K98_BIN_DIR
[Items]
0=/usr|a
1=/etc|b
2=/bin|c
3=/tmp|d
INI
}

settings_items() { sed -n '/^\[Items\]/,/^\[/{/^[0-9]/p}' "$SETTINGS"; }
# Whether the stored list is exactly the lines given.
items_are() { [ "$(settings_items)" = "$(printf '%s\n' "$@")" ]; }
no_temporary_files() {
    local left
    left=$(find "$XDG_CONFIG_HOME/Dash97" -name 'settings.ini.*')
    [ -z "$left" ] || fail "left beside the settings: $left"
}
temporary_file_exists() { [ -n "$(find "$XDG_CONFIG_HOME/Dash97" -name 'settings.ini.*')" ]; }
gone() { ! kill -0 "$1" 2>/dev/null; }

# Slides the bar in and switches to Edit Mode; the mode button follows the
# four items.
into_edit_mode() {
    xdotool mousemove 500 600
    slide_in_with_hotkey || fail "did not slide in"
    xdotool mousemove $((14 + 22 * 4 + 11)) 15 click 1
    sleep 0.3
}

start_x 1024 768

# A drop, then SIGKILL one second later.
four_items
start_bar
into_edit_mode
drag_to 29 10 "$files/alpha.txt"
sleep 1
kill -KILL "$BAR_PID"
items_are '0=/usr|a' "1=$files/alpha.txt|alpha.txt" '2=/etc|b' '3=/bin|c' '4=/tmp|d' ||
    fail "the drop is not stored a second later: $(settings_items)"
no_temporary_files
echo "a drop survives SIGKILL a second later"

# The bar dragged 200 pixels down by its background, then SIGKILL a second
# later.
four_items
start_bar
xdotool mousemove 500 600
slide_in_with_hotkey || fail "did not slide in"
xdotool mousemove 400 15 mousedown 1
for step in 1 2 3 4; do
    xdotool mousemove 400 $((15 + 50 * step))
    sleep 0.1
done
xdotool mouseup 1
sleep 1
kill -KILL "$BAR_PID"
grep -qx 'Top=3000' "$SETTINGS" || fail "the bar's new place is not stored: $(grep Top "$SETTINGS")"
echo "a place the bar was dragged to survives SIGKILL a second later"

# Two of four items deleted through the item menu (Delete, then Yes).
four_items
start_bar
into_edit_mode
for _ in 1 2; do
    xdotool mousemove $((14 + 22 + 11)) 15 click 3
    sleep 0.5
    xdotool key Down Down Return
    sleep 0.5
    xdotool key Return
    sleep 0.5
done
kill -TERM "$BAR_PID"
wait_until 10 gone "$BAR_PID" || fail "SIGTERM did not end the bar"
items_are '0=/usr|a' '1=/tmp|d' || fail "after deleting two of four items: $(settings_items)"
echo "deleted items leave no values behind"

# The X server goes away right after a drop.
four_items
start_bar
into_edit_mode
drag_to 29 10 "$files/beta.txt"
kill -KILL "$XVFB_PID"
wait_until 10 gone "$BAR_PID" || fail "the bar outlived its X server"
items_are '0=/usr|a' "1=$files/beta.txt|beta.txt" '2=/etc|b' '3=/bin|c' '4=/tmp|d' ||
    fail "the drop is lost with the X server: $(settings_items)"
no_temporary_files
echo "a drop survives the X server going away"

# A disk whose every fsync takes 2 s: one write of the settings takes 4 s
# (the file, then its folder).
start_x 1024 768
# LeakSanitizer cannot stop the threads of a traced process and reports
# that as a fatal error at exit: a bar under strace runs without it.
start_slow_bar() {
    ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0" LSAN_OPTIONS="$LSAN_OPTIONS:detect_leaks=0" \
        strace -f --seccomp-bpf -o /dev/null -e trace=fsync -e inject=fsync:delay_enter=2000000 \
        "$KESTREL" >"$E2E_TMP/bar.log" 2>&1 &
    PIDS+=($!)
    wait_for_bar
    wait_until 5 eval 'BAR_PID=$(pgrep -P "${PIDS[-1]}" -x kestrel2)' || fail "no bar under strace"
}
four_items
start_slow_bar
into_edit_mode
drag_to 29 10 "$files/gamma.txt"
wait_until 2 temporary_file_exists || fail "no write under way after the drop"
# While the write goes on, the mode button (after five items now) leaves
# Edit Mode and the right button parks the bar.
xdotool mousemove $((14 + 22 * 5 + 11)) 15 click 1
sleep 0.3
xdotool mousemove 400 15 click 3
wait_until 1 bar_x_is 1015 || fail "the bar did not park while it wrote: $(geometry_of "$BAR_WINDOW")"
temporary_file_exists || fail "the write ended before the bar was tried"
kill -TERM "$BAR_PID"
wait_until 15 gone "$BAR_PID" || fail "SIGTERM did not end the bar"
grep -q 'did not end the program in time' "$E2E_TMP/bar.log" && fail "the grace time cut the write short"
items_are '0=/usr|a' "1=$files/gamma.txt|gamma.txt" '2=/etc|b' '3=/bin|c' '4=/tmp|d' ||
    fail "the drop written during SIGTERM is lost: $(settings_items)"
no_temporary_files
echo "SIGTERM lets a slow write finish"

# A second SIGTERM during that write ends the bar at once, without its
# temporary file.
four_items
before=$(cat "$SETTINGS")
start_slow_bar
into_edit_mode
drag_to 29 10 "$files/alpha.txt"
wait_until 2 temporary_file_exists || fail "no write under way after the drop"
kill -TERM "$BAR_PID"
sleep 0.3
kill -TERM "$BAR_PID"
# A process cannot be gone before the fsync it is in returns; the file as it
# was shows that the write was not let finish.
wait_until 3 gone "$BAR_PID" || fail "a second SIGTERM did not end the bar"
[ "$(cat "$SETTINGS")" = "$before" ] || fail "a second SIGTERM waited for the write"
no_temporary_files
echo "a second SIGTERM ends a slow write at once"
echo "6 passed, 0 failed"
