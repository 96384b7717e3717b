#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Drops the real bar cannot take whole: 80 files onto a row with room for
# about 40 bring one message about the space, and those that fit are stored in
# order; a file whose name is not UTF-8 is refused with a message, never
# stored under another name. An item with a 10 MB tip keeps the bar
# answering with the pointer on it, and stays stored whole.
source "$(dirname "$0")/x11-session.sh"
start_x 1024 768
files="$E2E_TMP/files"
mkdir -p "$files"
dropped=()
for i in $(seq -w 1 80); do
    echo "$i" > "$files/f$i.txt"
    dropped+=("$files/f$i.txt")
done
odd=$(printf '%s/odd\xff.txt' "$files")
echo odd > "$odd"

settings_items() { sed -n '/^\[Items\]/,/^\[/{/^[0-9]/p}' "$SETTINGS"; }
windows_named() { xdotool search --onlyvisible --name '^Kestrel 98$' | wc -l; }
one_message() { [ "$(windows_named)" = 2 ]; }
no_message() { [ "$(windows_named)" = 1 ]; }

write_settings_after_tour <<INI
[App]
Path=$K98_BIN_DIR
INI
start_bar
xdotool mousemove 500 600
slide_in_with_hotkey || fail "did not slide in"
# With no items the mode button is the first.
xdotool mousemove 25 15 click 1
sleep 0.3

drag_to 300 10 "${dropped[@]}"
wait_until 10 one_message || fail "no message about the space"
xdotool key Return
wait_until 5 no_message || fail "a second message about the space"
sleep 1
no_message || fail "another message about the space"
# Each file went before the one dropped before it: what is stored is the
# first that were dropped, last first, as many as the row has room for.
room=$(settings_items | wc -l)
[ "$room" -gt 30 ] && [ "$room" -lt 80 ] || fail "$room items stored"
[ "$(settings_items | head -n1)" = "0=$files/f$(printf %02d "$room").txt|f$(printf %02d "$room").txt" ] ||
    fail "first stored: $(settings_items | head -n1)"
[ "$(settings_items | tail -n1)" = "$((room - 1))=$files/f01.txt|f01.txt" ] || fail "last stored: $(settings_items | tail -n1)"
echo "80 files on a row with room for $room: one message, $room stored"

# Room for one more: the odd name is refused, said so.
xdotool mousemove 25 15 click 3
sleep 0.5
xdotool key Down Down Return
sleep 0.5
xdotool key Return
one_less() { [ "$(settings_items | wc -l)" = $((room - 1)) ]; }
wait_until 5 one_less || fail "the first item was not deleted"
drag_to 300 10 "$odd"
wait_until 5 one_message || fail "no message about the odd name"
xdotool key Return
wait_until 5 no_message || fail "the message did not close"
kill -TERM "$BAR_PID"
wait_until 10 bash -c "! kill -0 $BAR_PID 2>/dev/null" || fail "SIGTERM did not end the bar"
one_less || fail "the odd name was stored: $(settings_items | grep odd)"
echo "a name that is not UTF-8 is refused with a message"

# The pointer rests on an item whose tip is 10 MB long, its tip shown.
{
    printf '[App]\nFirstTimeEx=no\nPath=%s\n[Setting]\nSpeed=30000\n[Items]\n0=/usr|' "$K98_BIN_DIR"
    head -c 10000000 /dev/zero | tr '\0' 'x'
    printf '\n1=/etc|b\n'
} > "$SETTINGS"
start_bar
slide_in_with_hotkey || fail "did not slide in"
xdotool mousemove 25 15
# Long enough for the tip to come up.
sleep 4
"$KESTREL" --hide || fail "--hide failed"
# Parking takes a few milliseconds; measuring a tip of 10 MB took seconds.
sleep 0.5
bar_x_is 1015 || fail "the bar did not park at once with the pointer on a long tip"
kill -TERM "$BAR_PID"
wait_until 10 bash -c "! kill -0 $BAR_PID 2>/dev/null" || fail "SIGTERM did not end the bar"
[ "$(grep '^0=' "$SETTINGS" | wc -c)" = $((10000000 + 8)) ] || fail "the long tip was not stored whole"
echo "a 10 MB tip keeps the bar answering and stays stored whole"
echo "1 passed, 0 failed"
