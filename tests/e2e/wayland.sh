#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The bar in a Wayland session (headless sway with Xwayland, qt6-wayland
# installed): it runs on Xwayland as the parked strip at the right edge; the
# key bound in sway to "kestrel2 --show" slides it in while a native Wayland
# window has the keyboard; and the pointer moved from the bar onto that
# window parks it. Sway refuses to run as root, so the whole session runs as
# an unprivileged user.
source "$(dirname "$0")/x11-session.sh"

USER_ID=65534
POINTER_CLIENT="$K98_BIN_DIR/../tests/virtual_pointer"
for tool in sway Xwayland wtype grim weston-terminal swaymsg "$POINTER_CLIENT"; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
[ -n "$(find /usr/lib -path '*qt6/plugins/platforms/libqwayland-generic.so' -print -quit)" ] ||
    fail "qt6-wayland is not installed"

unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY
export XDG_SESSION_TYPE=wayland HOME="$E2E_TMP/home"
mkdir -p "$HOME"
chmod 755 "$E2E_TMP"
chown -R "$USER_ID:$USER_ID" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$TMPDIR" "$HOME"
write_settings_after_tour <<'INI'
[Setting]
Speed=300
INI
chown "$USER_ID:$USER_ID" "$SETTINGS"

as_user() { setpriv --reuid="$USER_ID" --regid="$USER_ID" --clear-groups "$@"; }
# For "spawn_as_user ... &": the background job becomes the program itself,
# so that the pid recorded for the clean-up is the program's.
spawn_as_user() { exec setpriv --reuid="$USER_ID" --regid="$USER_ID" --clear-groups "$@"; }
sway_do() { as_user swaymsg -s "$SWAYSOCK" "$@" >/dev/null; }

cat > "$E2E_TMP/sway.conf" <<CONF
xwayland enable
output HEADLESS-1 resolution 1024x768 position 0 0
bindsym Ctrl+Alt+a exec $KESTREL --show
CONF
chmod 644 "$E2E_TMP/sway.conf"
WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    spawn_as_user sway -c "$E2E_TMP/sway.conf" >"$E2E_TMP/sway.log" 2>&1 &
PIDS+=($!)
sway_socket() { find "$XDG_RUNTIME_DIR" -maxdepth 1 -name 'sway-ipc.*.sock' | head -n1; }
sway_up() { [ -n "$(sway_socket)" ]; }
wait_until 20 sway_up || { cat "$E2E_TMP/sway.log" >&2; fail "sway did not start"; }
export SWAYSOCK
SWAYSOCK=$(sway_socket)
wayland_socket() { find "$XDG_RUNTIME_DIR" -maxdepth 1 -type s -name 'wayland-*' -printf '%f\n' | head -n1; }
wayland_up() { [ -n "$(wayland_socket)" ]; }
wait_until 10 wayland_up || fail "no Wayland socket"
export WAYLAND_DISPLAY
WAYLAND_DISPLAY=$(wayland_socket)
# The X display sway gave Xwayland; X clients of root are let in.
sway_do exec "echo \$DISPLAY > $XDG_RUNTIME_DIR/display"
wait_until 10 test -s "$XDG_RUNTIME_DIR/display" || fail "sway has no Xwayland display"
export DISPLAY
DISPLAY=$(cat "$XDG_RUNTIME_DIR/display")
wait_until 20 as_user xhost +si:localuser:root >/dev/null 2>&1 || fail "Xwayland did not start"
echo "sway on $WAYLAND_DISPLAY, Xwayland on $DISPLAY"

# The headless seat has no pointer until a virtual one is made; it stays
# while the client runs, moved by lines "X Y" written to it.
mkfifo "$XDG_RUNTIME_DIR/pointer"
chown "$USER_ID:$USER_ID" "$XDG_RUNTIME_DIR/pointer"
spawn_as_user "$POINTER_CLIENT" 1024 768 <"$XDG_RUNTIME_DIR/pointer" >"$HOME/pointer.log" 2>&1 &
PIDS+=($!)
exec 4>"$XDG_RUNTIME_DIR/pointer"
pointer_ready() { grep -q '^ready$' "$HOME/pointer.log"; }
wait_until 10 pointer_ready || fail "no virtual pointer: $(cat "$HOME/pointer.log")"
pointer_at() { [ "$(tail -n1 "$HOME/pointer.log")" = "at $1 $2" ]; }
move_pointer() {
    echo "$1 $2" >&4
    wait_until 5 pointer_at "$1" "$2" || fail "the pointer did not move to $1,$2: $(tail -n1 "$HOME/pointer.log")"
}

spawn_as_user "$KESTREL" >"$E2E_TMP/bar.log" 2>&1 &
BAR_PID=$!
PIDS+=("$BAR_PID")
wait_for_bar
wait_until 5 bar_x_is 1015 || fail "the bar is not the parked strip: $(geometry_of "$BAR_WINDOW")"
tiled=$(as_user swaymsg -s "$SWAYSOCK" -t get_tree | grep -c '"name": "Kestrel 98"' || true)
[ "$tiled" = 0 ] || fail "the bar is a window sway manages"
as_user grim "$HOME/parked.png" || fail "grim could not take a screenshot"
pixel() { convert "$HOME/parked.png" -format "%[pixel:p{$1,$2}]" info:; }
[ "$(pixel 1019 15)" != "$(pixel 500 15)" ] || fail "the screen shows no strip at the right edge"
echo "the bar runs on Xwayland, parked at the right edge: $(geometry_of "$BAR_WINDOW")"

# A native Wayland window takes the keyboard; the key bound in sway runs
# kestrel2 --show.
spawn_as_user weston-terminal >/dev/null 2>&1 &
PIDS+=($!)
native_focused() { as_user swaymsg -s "$SWAYSOCK" -t get_tree | grep -q '"app_id": "org.freedesktop.weston.wayland-terminal"'; }
wait_until 20 native_focused || fail "the native window did not appear"
move_pointer 500 400
as_user wtype -M ctrl -M alt a -m alt -m ctrl
wait_until 10 bar_x_is 0 || fail "Ctrl+Alt+A bound in sway did not slide the bar in: $(geometry_of "$BAR_WINDOW")"
echo "the key bound in sway slid the bar in over the native window"

# The pointer rests on the bar, then moves onto the native window.
# The idle timer may have parked it meanwhile: --show brings it back under
# the pointer, and a small move lets the compositor see what is under it.
move_pointer 500 10
as_user "$KESTREL" --show || fail "kestrel2 --show failed"
wait_until 10 bar_x_is 0 || fail "kestrel2 --show did not slide the bar in: $(geometry_of "$BAR_WINDOW")"
move_pointer 502 12
if wait_until 4 bar_x_is 1015; then fail "the bar parked with the pointer on it"; fi
move_pointer 500 400
wait_until 4 bar_x_is 1015 || fail "the bar did not park after the pointer went to the native window"
echo "the pointer moved onto the native window: the bar parked"
echo "1 passed, 0 failed"
