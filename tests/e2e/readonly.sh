#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A settings file, or a whole settings folder, that the program cannot write:
# the real bar starts with the stored items, slides in, runs an item, and ends
# on SIGTERM without a crash, leaving the file as it was. Read-only bind
# mounts in a private mount namespace hold even against root; without root or
# unprivileged user namespaces the test is skipped.
source "$(dirname "$0")/private-mounts.sh"
source "$(dirname "$0")/x11-session.sh"
start_x 1024 768

recording_script script

write_settings <<INI
[App]
FirstTimeEx=no
Path=$K98_BIN_DIR
[Setting]
Top=3000
[Items]
0=$E2E_TMP/script.sh|A script
1=sep
2=/usr|Programs
INI
original=$(md5sum < "$SETTINGS")

# Runs the bar once over the read-only settings: it parks, slides in, runs
# the script, and ends on SIGTERM; the file is unchanged.
use_read_only() {
    local what=$1 expected_runs=$2
    start_bar
    bar_x_is 1015 || fail "$what: not parked"
    slide_in_with_hotkey || fail "$what: the hotkey did not slide the bar in"
    xdotool mousemove 25 215 click 1
    wait_until 5 has_runs script "$expected_runs" || fail "$what: the stored item did not run"
    kill -TERM "$BAR_PID"
    wait_until 5 eval '! kill -0 "$BAR_PID" 2>/dev/null' || fail "$what: the bar did not end on SIGTERM"
    local status=0
    wait "$BAR_PID" 2>/dev/null || status=$?
    sanitizer_status "$status" "$what"
    [ "$status" -eq 0 ] || fail "$what: the bar ended with status $status: $(cat "$E2E_TMP/bar.log")"
    [ "$(md5sum < "$SETTINGS")" = "$original" ] || fail "$what: the settings file changed"
    echo "$what: the bar runs and the file stays as it was"
}

MOUNTS+=("$SETTINGS")
mount --bind "$SETTINGS" "$SETTINGS" && mount -o remount,bind,ro "$SETTINGS" || fail "cannot make the file read-only"
use_read_only "a read-only settings file" 1
umount "$SETTINGS"

folder=$(dirname "$SETTINGS")
MOUNTS+=("$folder")
mount --bind "$folder" "$folder" && mount -o remount,bind,ro "$folder" || fail "cannot make the folder read-only"
use_read_only "a read-only settings folder" 2
umount "$folder"
