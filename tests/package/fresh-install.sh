#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package on a fresh Debian 12: a minimal system made with
# debootstrap installs the package that package.sh built with
# dpkg-buildpackage, with apt-get, which brings every dependency,
# and the installed kestrel2 then runs the bar on a virtual display. Needs root,
# debootstrap and the Debian mirror; skipped without root or debootstrap.
[ "$(id -u)" -eq 0 ] || { echo "SKIP: needs root for the fresh system"; exit 77; }
command -v debootstrap >/dev/null || { echo "SKIP: debootstrap is not installed"; exit 77; }
if [ -z "${K98_PRIVATE_MOUNTS:-}" ]; then
    export K98_PRIVATE_MOUNTS=1
    exec unshare -m --propagation private bash "$0" "$@"
fi
: "${K98_BUILD_DIR:?K98_BUILD_DIR must name the build folder}"
MIRROR=${K98_DEBIAN_MIRROR:-http://deb.debian.org/debian}
export K98_BIN_DIR=unused   # the session helpers want it; the bar here is the installed one
source "$(dirname "$0")/../e2e/x11-session.sh"

root=$(mktemp -d /tmp/k98-fresh.XXXXXX)
remove_root() {
    in_test_shell || return 0
    cleanup
    umount "$root/proc" 2>/dev/null || true
    rm -rf --one-file-system "$root"
}
trap remove_root EXIT
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }

deb=$(ls "$K98_BUILD_DIR"/deb/kestrel98_*_amd64.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || fail "no package in $K98_BUILD_DIR/deb: package.install-and-deb builds it"

debootstrap --variant=minbase bookworm "$root" "$MIRROR" >"$E2E_TMP/debootstrap.log" 2>&1 ||
    { tail -20 "$E2E_TMP/debootstrap.log" >&2; fail "debootstrap failed"; }
mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/root/"
in_root apt-get update -qq >"$E2E_TMP/apt.log" 2>&1 || { cat "$E2E_TMP/apt.log" >&2; fail "apt-get update failed"; }
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "/root/$(basename "$deb")" >>"$E2E_TMP/apt.log" 2>&1 ||
    { tail -30 "$E2E_TMP/apt.log" >&2; fail "apt-get install of the package failed"; }
echo "apt-get installed the package and $(in_root dpkg-query -W | wc -l) packages in all"

# The chroot shares the network: the bar reaches the X server over TCP, by
# address, since a minimal system has no /etc/hosts to name localhost.
Xvfb -displayfd 3 -screen 0 1024x768x24 -listen tcp 3>"$E2E_TMP/display" 2>/dev/null &
PIDS+=($!)
wait_until 20 test -s "$E2E_TMP/display" || fail "Xvfb did not start"
display=$(head -n1 "$E2E_TMP/display")
export DISPLAY=":$display"
in_root sh -c "mkdir -p -m 700 /tmp/run && DISPLAY=127.0.0.1:$display XDG_RUNTIME_DIR=/tmp/run exec kestrel2" >"$E2E_TMP/bar.log" 2>&1 &
PIDS+=($!)
wait_for_bar
settings="$root/root/.config/Dash97/settings.ini"
wait_until 10 grep -q '^Path=/usr/lib/kestrel98$' "$settings" || fail "the installed bar did not find its program folder"
# A first start shows the tour; its Close button is at the lower right.
tour=$(xdotool search --name '^Kestrel 98$' | grep -v "^$BAR_WINDOW\$" | head -n1)
[ -n "$tour" ] || fail "no tour at the first start"
read -r x y w h < <(geometry_of "$tour")
xdotool mousemove $((x + w - 52)) $((y + h - 23)) click 1
xdotool key ctrl+alt+a
wait_until 5 bar_x_is 0 || fail "the installed bar did not slide in on Ctrl+Alt+A"
echo "the installed kestrel2 runs the bar: it found its folder and slides in"
