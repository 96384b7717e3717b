#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Items on a disk that is not mounted when the bar starts keep their place
# and run once the disk is mounted; unmounted again, a click runs nothing and
# the bar carries on; the items stay stored as they were. The disk is a tmpfs
# mounted in a private mount namespace, so the test needs root or
# unprivileged user namespaces; without either it is skipped.
source "$(dirname "$0")/private-mounts.sh"
source "$(dirname "$0")/x11-session.sh"
start_x 1024 768

disk="$E2E_TMP/media/disk"
mkdir -p "$disk"
recording_script here

write_settings_after_tour <<INI
[Setting]
Top=3000
[Items]
0=$disk/tools/away.sh|On the disk
1=$E2E_TMP/here.sh|Here
INI
start_bar
bar_y=200
bar_x_is 1015 || fail "not parked"

# Item 0 is at pixels 14..35 of the bar, item 1 at 36..57; Shift keeps the bar out.
click_item() { xdotool mousemove "$1" $((bar_y + 15)) keydown shift click 1 keyup shift; }
slide_in_with_hotkey || fail "hotkey"
click_item 25
click_item 47
wait_until 5 has_runs here 1 || fail "the second item lost its place while the disk was away"
echo "an item on a missing disk keeps its place"

MOUNTS+=("$disk")
mount -t tmpfs k98-disk "$disk" || fail "cannot mount the disk"
mkdir -p "$disk/tools"
recording_script away "$disk/tools/away.sh"
click_item 25
wait_until 5 has_runs away 1 || fail "the item did not run once its disk was mounted"
[ "$(cat "$E2E_TMP/away.ran")" = "$disk/tools" ] || fail "the item did not run in its own folder"
echo "it runs once the disk is mounted"

umount "$disk" || fail "cannot unmount the disk"
click_item 25
click_item 47
wait_until 5 has_runs here 2 || fail "the bar stopped working when the disk went away"
has_runs away 1 || fail "an item on an unmounted disk ran"
kill -0 "$BAR_PID" || fail "the bar ended"
echo "unmounted again, nothing runs and the bar carries on"

kill -TERM "$BAR_PID"
wait_until 5 eval '! kill -0 "$BAR_PID" 2>/dev/null' || fail "the bar did not end on SIGTERM"
grep -qxF "0=$disk/tools/away.sh|On the disk" "$SETTINGS" || fail "the item on the disk was not kept: $(cat "$SETTINGS")"
grep -qxF "1=$E2E_TMP/here.sh|Here" "$SETTINGS" || fail "the second item was not kept"
echo "both items stay stored in order"
