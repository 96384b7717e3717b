#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Items run as the desktop runs them: a document with the executable bit on
# a tmpfs opens with the default handler; a terminal entry runs in the
# user's terminal; an entry whose TryExec is missing runs nothing; a launcher
# in the home folder that is not marked as trusted brings a question, and No
# runs nothing; a D-Bus activatable entry is activated on the session bus,
# and the bar goes on while the application takes its time to answer; one
# whose application is not on the bus starts from its Exec line;
# an entry asking for startup notification gets its DESKTOP_STARTUP_ID and
# the bar announces the launch on the display (and takes it back when the
# start fails), while other entries carry no id.
source "$(dirname "$0")/x11-session.sh"
TESTS_DIR="$K98_BIN_DIR/../tests"

shm=$(mktemp -d /dev/shm/k98-e2e.XXXXXX)
trap 'if in_test_shell; then rm -rf "$shm"; cleanup; fi' EXIT
start_x 1024 768

# Scripts that record each run: the arguments as one line in NAME.ran, the
# startup id (or "none") in NAME.id.
recorder() {
    cat > "$2" <<SH
#!/bin/sh
echo "\$*" >> "$E2E_TMP/$1.ran"
echo "\${DESKTOP_STARTUP_ID:-none}" >> "$E2E_TMP/$1.id"
SH
    chmod +x "$2"
}
mkdir -p "$E2E_TMP/bin"
recorder opener "$E2E_TMP/bin/xdg-open"
recorder terminal "$E2E_TMP/bin/x-terminal-emulator"
for name in tryexec untrusted notify quiet fallback; do recorder "$name" "$E2E_TMP/$name.sh"; done
export PATH="$E2E_TMP/bin:$PATH"

export XDG_DATA_HOME="$E2E_TMP/data" HOME="$E2E_TMP/home"
apps="$XDG_DATA_HOME/applications"
mkdir -p "$apps" "$HOME"
printf 'plain words\n' > "$shm/readme.txt"
chmod +x "$shm/readme.txt"
entry() { { echo '[Desktop Entry]'; echo 'Type=Application'; cat; } > "$1"; }
entry "$apps/k98-console.desktop" <<INI
Name=Console
Exec=htop -d "1 5" %F
Terminal=true
INI
entry "$apps/k98-tryexec.desktop" <<INI
Name=Needs a program
TryExec=no-such-program-k98
Exec=$E2E_TMP/tryexec.sh
INI
entry "$HOME/untrusted.desktop" <<INI
Name=Downloaded Tool
Exec=$E2E_TMP/untrusted.sh
INI
entry "$apps/org.example.K98Test.desktop" <<INI
Name=Activatable
DBusActivatable=true
StartupNotify=true
INI
entry "$apps/org.example.K98Missing.desktop" <<INI
Name=Not on the bus
DBusActivatable=true
Exec=$E2E_TMP/fallback.sh
INI
entry "$apps/k98-notify.desktop" <<INI
Name=Announced
Exec=$E2E_TMP/notify.sh %i
Icon=k98-notify
StartupNotify=true
INI
entry "$apps/k98-broken.desktop" <<INI
Name=Broken
Exec=/nonexistent/k98-program
StartupNotify=true
INI
entry "$apps/k98-quiet.desktop" <<INI
Name=Quiet
Exec=$E2E_TMP/quiet.sh
INI

# A private session bus with a stand-in for the activatable application.
start_session_bus
# It answers 8 seconds after it is called.
"$TESTS_DIR/activation_recorder" org.example.K98Test "$E2E_TMP/activated" 8000 &
PIDS+=($!)
name_owned() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.example.K98Test 2>/dev/null | grep -q 'boolean true'
}
wait_until 10 name_owned || fail "the stand-in application did not take its bus name"

"$TESTS_DIR/startup_recorder" "$E2E_TMP/startup" &
PIDS+=($!)
wait_until 10 test -e "$E2E_TMP/startup.ready" || fail "the startup listener did not start"

write_settings_after_tour <<INI
[Setting]
Top=3000
[Items]
0=$shm/readme.txt|Readme
1=$apps/k98-console.desktop|Console
2=$apps/k98-tryexec.desktop|Needs a program
3=$HOME/untrusted.desktop|Downloaded
4=$apps/org.example.K98Test.desktop|Activatable
5=$apps/k98-notify.desktop|Announced
6=$apps/k98-quiet.desktop|Quiet
7=$apps/k98-broken.desktop|Broken
8=$apps/org.example.K98Missing.desktop|Not on the bus
INI
start_bar
bar_y=200

# Item N is at pixels 14 + 22 N onwards; Shift keeps the bar out.
click_item() { xdotool mousemove $((25 + 22 * $1)) $((bar_y + 15)) keydown shift click 1 keyup shift; }
slide_in_with_hotkey || fail "hotkey"

click_item 0
wait_until 5 has_runs opener 1 || fail "the executable document did not open with the default handler"
[ "$(cat "$E2E_TMP/opener.ran")" = "$shm/readme.txt" ] || fail "the handler got: $(cat "$E2E_TMP/opener.ran")"
echo "a document with the executable bit opens"

click_item 1
wait_until 5 has_runs terminal 1 || fail "the terminal entry did not run in the terminal"
[ "$(cat "$E2E_TMP/terminal.ran")" = "-e htop -d 1 5" ] || fail "the terminal got: $(cat "$E2E_TMP/terminal.ran")"
echo "a terminal entry runs in the terminal"

# The question of the untrusted launcher: a second window titled as the bar.
click_item 2
click_item 3
wait_until 5 bash -c "[ \$(xdotool search --name '^Kestrel 98$' | wc -l) -ge 2 ]" || fail "no trust question"
xdotool key --clearmodifiers alt+n
wait_until 5 bash -c "[ \$(xdotool search --name '^Kestrel 98$' | wc -l) -eq 1 ]" || fail "No did not close the question"

click_item 4
wait_until 10 test -s "$E2E_TMP/activated" || fail "the activatable entry was not activated"
activation_id=$(sed -n 's/^Activate //p' "$E2E_TMP/activated")
[ -n "$activation_id" ] || fail "the activation carried no startup id"
echo "a D-Bus activatable entry is activated"

# The application has not answered yet: the bar takes the next click.
click_item 5
wait_until 4 has_runs notify 1 || fail "the bar was held up while the activated application started"
startup_id=$(cat "$E2E_TMP/notify.id")
[ "$startup_id" != none ] || fail "the announced program got no DESKTOP_STARTUP_ID"
[ "$(cat "$E2E_TMP/notify.ran")" = "--icon k98-notify" ] || fail "%i gave: $(cat "$E2E_TMP/notify.ran")"
announced() { grep -qF "new: ID=\"$1\" NAME=\"$2\"" "$E2E_TMP/startup" 2>/dev/null; }
wait_until 5 announced "$startup_id" Announced || fail "no startup message for $startup_id: $(cat "$E2E_TMP/startup" 2>/dev/null)"
wait_until 5 announced "$activation_id" Activatable || fail "no startup message for the activation"
echo "startup notification sent and handed over"

click_item 6
wait_until 5 has_runs quiet 1 || fail "the quiet entry did not run"
[ "$(cat "$E2E_TMP/quiet.id")" = none ] || fail "an entry without StartupNotify got a startup id"

# A launch that fails takes its announcement back.
click_item 7
broken_id() { sed -n 's/^new: ID="\([^"]*\)" NAME="Broken".*/\1/p' "$E2E_TMP/startup"; }
wait_until 5 bash -c "grep -q 'NAME=\"Broken\"' '$E2E_TMP/startup'" || fail "no startup message for the broken entry"
wait_until 5 grep -qF "remove: ID=\"$(broken_id)\"" "$E2E_TMP/startup" || fail "the failed launch was not removed"
echo "a failed launch removes its startup notification"

click_item 8
wait_until 5 has_runs fallback 1 || fail "the activatable entry whose application is not on the bus did not start from Exec"
echo "an activatable entry whose application is not on the bus starts from its Exec line"

# Everything after the refused items ran, so they had their chance.
has_runs tryexec 0 || fail "the entry with a missing TryExec ran"
has_runs untrusted 0 || fail "the untrusted launcher ran after No"
echo "a missing TryExec and an untrusted launcher run nothing"
