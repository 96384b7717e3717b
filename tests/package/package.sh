#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a scratch prefix and checks the layout, builds the
# Debian package from the source as a distribution would (dpkg-buildpackage)
# and checks its files, its dependencies and lintian's verdict, then unpacks
# it into a scratch root and starts the packaged bar on a private X server.
# The package stays in $K98_BUILD_DIR/deb/ for the fresh-install test.
: "${K98_BUILD_DIR:?K98_BUILD_DIR must name the build folder}"
: "${K98_SOURCE_DIR:?K98_SOURCE_DIR must name the source folder}"
CMAKE=${K98_CMAKE:-cmake}
VERSION=${K98_VERSION:-2.1}
APP_ID=example.kestrel98.Kestrel98
export K98_BIN_DIR=unused   # the session helpers want it; the bar run below names its own program
source "$(dirname "$0")/../e2e/x11-session.sh"

PROGRAM_FILES="kestrel2 libk98runtime.so libk98platform.so libkestrel98.so libglintbox.so libplainbox.so
    libtutorview.so kestrel98.lib kestrel2.lib Tutorial.lib contents.htm help-modes.htm help-items.htm
    help-groups.htm help-settings.htm help-keyboard.htm help.css whatsnew.txt tips.txt bug.txt"

# The exact file list of an installed tree (relative paths, sorted), given
# the tree's root, its prefix inside the root, its etc folder and, for the
# Debian package, "deb" (a compressed manual page and the package's docs).
expected_tree() {
    local prefix=$1 etc=$2 kind=${3:-}
    {
        echo "$prefix/bin/kestrel2"
        for file in $PROGRAM_FILES; do echo "$prefix/lib/kestrel98/$file"; done
        echo "$prefix/share/applications/$APP_ID.desktop"
        echo "$prefix/share/icons/hicolor/32x32/apps/kestrel98.png"
        echo "$prefix/share/icons/hicolor/48x48/apps/kestrel98.png"
        echo "$prefix/share/metainfo/$APP_ID.metainfo.xml"
        echo "$etc/xdg/autostart/$APP_ID.desktop"
        if [ "$kind" = deb ]; then
            echo "$prefix/share/man/man1/kestrel2.1.gz"
            echo "$prefix/share/doc/kestrel98/copyright"
            echo "$prefix/share/doc/kestrel98/changelog.gz"
        else
            echo "$prefix/share/man/man1/kestrel2.1"
        fi
    } | sed 's|^/||' | sort
}

# Width and height of a PNG picture, from its header.
png_size() {
    [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || { echo "not a PNG"; return; }
    local w h
    w=$(od -An -tu1 -j16 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
    h=$(od -An -tu1 -j20 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
    echo "${w}x$h"
}

# Checks an installed tree: the launcher, the program folder, the entries,
# the icons, the metainfo and the manual page.
check_tree() {
    local root=$1 prefix=$2 etc=$3 kind=${4:-}
    local actual
    actual=$(cd "$root" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort)
    if [ "$actual" != "$(expected_tree "$prefix" "$etc" "$kind")" ]; then
        diff <(expected_tree "$prefix" "$etc" "$kind") <(echo "$actual") >&2 || true
        fail "the installed files under $root differ from the expected list (< expected, > installed)"
    fi
    local launcher=$root$prefix/bin/kestrel2 folder=$root$prefix/lib/kestrel98
    [ -L "$launcher" ] || fail "bin/kestrel2 is not a link"
    [ "$(readlink "$launcher")" = ../lib/kestrel98/kestrel2 ] || fail "bin/kestrel2 links to $(readlink "$launcher")"
    [ -x "$folder/kestrel2" ] || fail "the program is not executable"
    for elf in "$folder"/kestrel2 "$folder"/*.so; do
        local runpath
        runpath=$(readelf -d "$elf" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p; s/.*(RPATH).*\[\(.*\)\]/\1/p')
        [ "$runpath" = '$ORIGIN' ] || fail "$(basename "$elf") searches '$runpath' for libraries, expected \$ORIGIN"
    done
    local libraries
    libraries=$(env -u LD_LIBRARY_PATH ldd "$folder/kestrel2")
    if grep -q 'not found' <<<"$libraries"; then
        echo "$libraries" >&2
        fail "the installed program misses libraries"
    fi
    if grep -qF "$K98_BUILD_DIR" <<<"$libraries"; then fail "the installed program loads libraries from the build"; fi

    local menu=$root$prefix/share/applications/$APP_ID.desktop auto=$root$etc/xdg/autostart/$APP_ID.desktop
    desktop-file-validate "$menu" || fail "the menu entry does not validate"
    desktop-file-validate "$auto" || fail "the autostart entry does not validate"
    for line in 'Type=Application' 'Name=Kestrel 98' 'Exec=kestrel2' 'Icon=kestrel98' 'Categories=Utility;'; do
        grep -qxF "$line" "$menu" || fail "the menu entry lacks '$line'"
    done
    for line in 'Exec=kestrel2' 'X-GNOME-Autostart-enabled=false'; do
        grep -qxF "$line" "$auto" || fail "the autostart entry lacks '$line'"
    done
    grep -q '^Comment=.*\.config/autostart' "$auto" || fail "the autostart entry does not say how to enable it"
    grep -qxF 'Hidden=true' "$auto" || fail "the autostart entry is not installed switched off"
    # The README's way to switch it on for oneself.
    sed -e 's/^Hidden=true/Hidden=false/' -e 's/^X-GNOME-Autostart-enabled=false/X-GNOME-Autostart-enabled=true/' \
        "$auto" >"$E2E_TMP/user-autostart.desktop"
    desktop-file-validate "$E2E_TMP/user-autostart.desktop" || fail "the switched-on autostart copy does not validate"
    grep -qxF 'Hidden=false' "$E2E_TMP/user-autostart.desktop" && grep -qxF 'X-GNOME-Autostart-enabled=true' "$E2E_TMP/user-autostart.desktop" \
        || fail "the README's command does not switch the autostart entry on"
    for size in 32 48; do
        local png=$root$prefix/share/icons/hicolor/${size}x$size/apps/kestrel98.png got
        got=$(png_size "$png")
        [ "$got" = "${size}x$size" ] || fail "the ${size}x$size icon is $got"
    done
    appstreamcli validate --no-net "$root$prefix/share/metainfo/$APP_ID.metainfo.xml" >/dev/null ||
        fail "the installed metainfo does not validate"
    local page
    page=$(find "$root$prefix/share/man/man1" -name 'kestrel2.1*')
    [ -z "$(LC_ALL=C.UTF-8 man --warnings -l "$page" 2>&1 >/dev/null)" ] || fail "the installed manual page has warnings"
}

# 1. cmake --install into a scratch prefix.
PREFIX=$E2E_TMP/prefix
"$CMAKE" --install "$K98_BUILD_DIR" --prefix "$PREFIX" >"$E2E_TMP/install.log" || { cat "$E2E_TMP/install.log" >&2; fail "cmake --install failed"; }
check_tree "$PREFIX" "" /etc
echo "cmake --install laid out bin/, lib/kestrel98/, the entries and the icons"

# 2. The Debian package, built from a copy of the source at a fixed place
# (so that a compiler cache finds the same paths again).
DEB_DIR=$K98_BUILD_DIR/deb
rm -rf "$DEB_DIR" && mkdir -p "$DEB_DIR/kestrel98"
# What git knows of the source (its own and new files, none it ignores), as
# it is on disk.
(cd "$K98_SOURCE_DIR" && git ls-files -co --exclude-standard -z |
    while IFS= read -r -d '' file; do if [ -e "$file" ]; then printf '%s\0' "$file"; fi; done |
    tar --null -T - -cf -) |
    tar -xf - -C "$DEB_DIR/kestrel98" || fail "could not copy the source"
# The compiler cache, where there is one, saves the second build its time; the
# package's own rules know nothing of it.
command -v ccache >/dev/null && export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
(cd "$DEB_DIR/kestrel98" && DEB_BUILD_OPTIONS="parallel=2 ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -us -uc -b) \
    >"$DEB_DIR/build.log" 2>&1 || { tail -40 "$DEB_DIR/build.log" >&2; fail "dpkg-buildpackage failed"; }
DEB_NAME=kestrel98_${VERSION}_amd64.deb
DEB=$DEB_DIR/$DEB_NAME
[ -f "$DEB" ] || { ls "$DEB_DIR" >&2; fail "dpkg-buildpackage did not write $DEB_NAME"; }
echo "dpkg-buildpackage -us -uc -b built $DEB_NAME"

lintian --no-cfg "$DEB" >"$DEB_DIR/lintian.log" 2>&1
if grep -q '^[EW]: ' "$DEB_DIR/lintian.log"; then
    cat "$DEB_DIR/lintian.log" >&2
    fail "lintian reports errors or warnings"
fi
echo "lintian: no error, no warning"

field() { dpkg-deb -f "$DEB" "$1"; }
[ "$(field Package)" = kestrel98 ] || fail "package name $(field Package)"
[ "$(field Version)" = "$VERSION" ] || fail "version $(field Version)"
[ "$(field Architecture)" = amd64 ] || fail "architecture $(field Architecture)"
[ "$(field Maintainer)" = "Kestrel 98 developers <help@kestrel98.example>" ] || fail "maintainer $(field Maintainer)"
[ -n "$(field Description)" ] || fail "no description"
DEPENDS=$(field Depends)
# What dpkg-shlibdeps finds, and what the program loads by itself.
for package in libqt6widgets6 libqt6gui6 libqt6core6 libqt6dbus6 libxcb1 libc6 libstdc++6 \
    xdg-utils libqt6svg6 libcanberra0 fonts-wine; do
    echo "$DEPENDS" | tr ',' '\n' | sed 's/^ *//; s/ *(.*//' | grep -qxF "$package" || fail "Depends lacks $package: $DEPENDS"
done
echo ", $(field Recommends)," | grep -q ' adwaita-icon-theme,' || fail "Recommends lacks adwaita-icon-theme"
echo "package fields and Depends: $DEPENDS"

# The build dependencies are the ones the build commands install.
source "$K98_SOURCE_DIR/tools/deps.sh"
declared=$(sed -n '/^Build-Depends:/,/^[A-Z]/p' "$K98_SOURCE_DIR/debian/control" | sed '$d; s/^Build-Depends://' |
    tr ',' '\n' | sed 's/^ *//; s/ *(.*//; /^$/d; /^debhelper-compat$/d' | sort)
[ "$declared" = "$(printf '%s\n' "${K98_PACKAGE_BUILD_DEPENDS[@]}" | sort)" ] ||
    fail "debian/control's Build-Depends differ from tools/deps.sh: $(echo $declared)"

# Its file list, as dpkg-deb reads it, and the maintainer scripts: the
# libraries in the program folder are private, so nothing runs ldconfig.
contents=$(dpkg-deb -c "$DEB")
listed=$(echo "$contents" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort)
[ "$listed" = "$(expected_tree /usr /etc deb)" ] || { diff <(expected_tree /usr /etc deb) <(echo "$listed") >&2; fail "the package's file list differs (< expected, > packaged)"; }
echo "$contents" | grep -q '^l.* \./usr/bin/kestrel2 -> \.\./lib/kestrel98/kestrel2$' || fail "usr/bin/kestrel2 is not packaged as a link"
dpkg-deb -e "$DEB" "$E2E_TMP/control"
[ "$(cat "$E2E_TMP/control/conffiles")" = "/etc/xdg/autostart/$APP_ID.desktop" ] || fail "conffiles: $(cat "$E2E_TMP/control/conffiles")"
if grep -rl ldconfig "$E2E_TMP/control" >&2; then fail "the package calls ldconfig (above)"; fi
echo "dpkg-deb -c lists exactly the program, its folder, the entries, the icons, the metainfo, the manual page and the docs"

# 3. Unpack it into a scratch root and start the packaged bar.
ROOT=$E2E_TMP/root
dpkg-deb -x "$DEB" "$ROOT"
check_tree "$ROOT" /usr /etc deb
for elf in "$ROOT"/usr/lib/kestrel98/kestrel2 "$ROOT"/usr/lib/kestrel98/*.so; do
    sections=$(readelf -S "$elf")
    if grep -q '\.debug_info' <<<"$sections"; then fail "$(basename "$elf") is packaged with its debugging information"; fi
done
start_x 1024 768
write_settings <<'INI'
[App]
FirstTimeEx=no
[Items]
0=sep
INI
KESTREL=$ROOT/usr/bin/kestrel2
env -u LD_LIBRARY_PATH "$KESTREL" >"$E2E_TMP/bar.log" 2>&1 &
BAR_PID=$!
PIDS+=("$BAR_PID")
wait_for_bar
echo "the packaged bar's window appeared"
kill -TERM "$BAR_PID"
wait_until 10 bash -c "! kill -0 $BAR_PID 2>/dev/null" || fail "SIGTERM did not end the packaged bar"
grep -qxF "Path=$ROOT/usr/lib/kestrel98" "$SETTINGS" || fail "the bar took $(grep '^Path=' "$SETTINGS") as its folder, not the packaged one"
echo "the packaged bar runs from its own folder through the usr/bin link"
echo "1 passed, 0 failed"
