#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The settings file where and as the user keeps it, written by the real bar
# after a drop:
# - a symbolic link into a dotfiles folder stays a link, and the file it
#   leads to gets the change; a file with a second (hard) link keeps it, and
#   both names show the change;
# - a file made read-only (chmod 444) is left as it is, even by root;
# - a change that cannot be saved (read-only file, full disk, read-only
#   mount) brings a message box and one line on stderr, once per cause; the
#   change stays in the running bar and is written once the disk has room.
source "$(dirname "$0")/x11-session.sh"
[ "$(id -u)" = 0 ] || { echo "needs root for its mounts; skipped"; exit 77; }
files="$E2E_TMP/files"
mkdir -p "$files"
for name in alpha beta gamma; do echo "$name" > "$files/$name.txt"; done
FOLDER="$XDG_CONFIG_HOME/Dash97"
DOTFILES="$E2E_TMP/dotfiles"
mkdir -p "$DOTFILES"

four_items() {
    cat <<INI
[App]
FirstTimeEx=no
Path=$K98_BIN_DIR
[Items]
0=/usr|a
1=/etc|b
2=/bin|c
3=/tmp|d
INI
}
items_of() { sed -n '/^\[Items\]/,/^\[/{/^[0-9]/p}' "$1"; }
has_drop() { items_of "$1" | grep -qx "1=$files/$2.txt|$2.txt"; }
gone() { ! kill -0 "$BAR_PID" 2>/dev/null; }
no_temporary_files() {
    local left
    left=$(find "$FOLDER" "$DOTFILES" -name '*.ini.*')
    [ -z "$left" ] || fail "left beside the settings: $left"
}
message_shown() { [ "$(xdotool search --onlyvisible --name '^Kestrel 98$' | wc -l)" -ge 2 ]; }
no_message() { ! message_shown; }
failure_lines() { grep -c 'could not save the settings' "$E2E_TMP/bar.log" || true; }

# Starts the bar on the settings as they are, slides it in and switches to
# Edit Mode (the mode button follows the four items).
start_editing() {
    start_bar
    xdotool mousemove 500 600
    slide_in_with_hotkey || fail "did not slide in"
    xdotool mousemove $((14 + 22 * 4 + 11)) 15 click 1
    sleep 0.3
}
end_bar() {
    kill -TERM "$BAR_PID"
    wait_until 10 gone || fail "SIGTERM did not end the bar"
}

start_x 1024 768

# A symbolic link, relative, into the dotfiles folder.
four_items > "$DOTFILES/kestrel.ini"
ln -s ../../dotfiles/kestrel.ini "$SETTINGS"
start_editing
drag_to 29 10 "$files/alpha.txt"
end_bar
[ -L "$SETTINGS" ] || fail "the symbolic link was replaced by a file"
has_drop "$DOTFILES/kestrel.ini" alpha || fail "the linked file lacks the drop: $(items_of "$DOTFILES/kestrel.ini")"
no_temporary_files
echo "a symbolic link stays a link and its file gets the change"

# A second name for the file (a hard link).
rm "$SETTINGS"
four_items > "$DOTFILES/hard.ini"
ln "$DOTFILES/hard.ini" "$SETTINGS"
start_editing
drag_to 29 10 "$files/beta.txt"
end_bar
[ "$(stat -c %h "$SETTINGS")" = 2 ] || fail "the file lost its second name"
has_drop "$DOTFILES/hard.ini" beta || fail "the second name lacks the drop: $(items_of "$DOTFILES/hard.ini")"
has_drop "$SETTINGS" beta || fail "the settings file lacks the drop"
no_temporary_files
echo "a hard-linked file keeps its names and each shows the change"

# Read-only for its owner: untouched, and said so once.
rm "$SETTINGS"
four_items > "$SETTINGS"
chmod 444 "$SETTINGS"
before=$(cat "$SETTINGS")
start_editing
drag_to 29 10 "$files/alpha.txt"
wait_until 5 message_shown || fail "no message about the read-only file"
xdotool key Return
drag_to 29 10 "$files/beta.txt"
end_bar
[ "$(cat "$SETTINGS")" = "$before" ] || fail "the read-only file was written"
[ "$(failure_lines)" = 1 ] || fail "not one line on stderr for the read-only file: $(cat "$E2E_TMP/bar.log")"
grep -q "could not save the settings to $SETTINGS: the file or its folder is read-only" "$E2E_TMP/bar.log" ||
    fail "the line does not name the file and the reason: $(cat "$E2E_TMP/bar.log")"
echo "a read-only file stays as it is, and the bar says so once"

# A full disk: a small tmpfs, filled up once the bar runs.
rm -f "$SETTINGS"
mount -t tmpfs -o size=256k tmpfs "$FOLDER"
MOUNTS+=("$FOLDER")
four_items > "$SETTINGS"
start_editing
dd if=/dev/zero of="$FOLDER/filler" bs=4k 2>/dev/null || true
drag_to 29 10 "$files/alpha.txt"
wait_until 5 message_shown || fail "no message about the full disk"
xdotool key Return
wait_until 5 no_message || fail "the message did not close"
drag_to 29 10 "$files/beta.txt"
sleep 1
message_shown && fail "a second message for the same cause"
rm "$FOLDER/filler"
drag_to 29 10 "$files/gamma.txt"
wait_until 5 has_drop "$SETTINGS" gamma || fail "nothing written once the disk had room"
[ "$(items_of "$SETTINGS" | tr '\n' ' ')" = "0=/usr|a 1=$files/gamma.txt|gamma.txt 2=$files/beta.txt|beta.txt \
3=$files/alpha.txt|alpha.txt 4=/etc|b 5=/bin|c 6=/tmp|d " ] || fail "not every change was kept: $(items_of "$SETTINGS")"
message_shown && fail "a message although the write succeeded"
end_bar
[ "$(failure_lines)" = 1 ] || fail "not one line on stderr for the full disk: $(cat "$E2E_TMP/bar.log")"
grep -q "the disk is full" "$E2E_TMP/bar.log" || fail "the reason is not the full disk: $(cat "$E2E_TMP/bar.log")"
no_temporary_files
umount "$FOLDER"
unset 'MOUNTS[-1]'
echo "a full disk is told once, and the changes are written once it has room"

# A read-only mount.
four_items > "$SETTINGS"
mount --bind "$FOLDER" "$FOLDER"
MOUNTS+=("$FOLDER")
mount -o remount,ro,bind "$FOLDER"
start_editing
drag_to 29 10 "$files/alpha.txt"
wait_until 5 message_shown || fail "no message about the read-only disk"
xdotool key Return
end_bar
grep -q "the disk it is on is read-only" "$E2E_TMP/bar.log" || fail "the reason is not the read-only disk"
echo "a read-only mount is told"
echo "5 passed, 0 failed"
