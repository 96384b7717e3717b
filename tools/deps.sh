# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages named in the arguments that are missing
# (through sudo when not root). Sourced by the run and test commands.

k98_install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# What building the program needs besides a compiler: the Debian package's
# Build-Depends, word for word (the package test compares them).
K98_PACKAGE_BUILD_DEPENDS=(cmake pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev libcanberra-dev)
# What building and running the bar and its tests needs, and building and
# checking its Debian package (dpkg-buildpackage with debhelper, lintian,
# desktop-file-validate, AppStream's validator, man, reuse, and debootstrap
# for a fresh system to install it on).
K98_BUILD_PACKAGES=(build-essential "${K98_PACKAGE_BUILD_DEPENDS[@]}" libqt6svg6
    libgtest-dev libbenchmark-dev xdg-utils adwaita-icon-theme
    fonts-liberation fonts-dejavu-core fonts-wine
    dpkg-dev debhelper lintian desktop-file-utils appstream man-db reuse git debootstrap)
# What the fuzz targets need: clang with libFuzzer and the sanitizers.
K98_FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The style checks: tools/lint.sh.
K98_LINT_PACKAGES=(clang-format clang-tidy)
# What the virtual display, its window manager and the screenshots need.
K98_DISPLAY_PACKAGES=(xvfb openbox xdotool x11-utils imagemagick strace)
# The launch tests: a settings daemon naming the icon theme, a private session bus;
# the icon tests write a theme's index as GTK does.
K98_DISPLAY_PACKAGES+=(xsettingsd dbus-daemon gtk-update-icon-cache)
# What the Wayland-session, command and portal tests need: a headless sway
# with Xwayland, Qt's wayland plugin (the bar must not pick it), a native
# Wayland client, key presses and screenshots there, a private session bus,
# and the Wayland client library and scanner for the test's virtual pointer.
K98_WAYLAND_TEST_PACKAGES=(sway xwayland qt6-wayland weston wtype grim x11-xserver-utils
    dbus-daemon dbus-bin python3 libwayland-dev)
# Two monitors in one display, screen changes and keyboard layouts; a second
# window manager, one that honours the Motif hints, for the dialogs.
K98_DISPLAY_PACKAGES+=(xserver-xephyr x11-xserver-utils x11-xkb-utils icewm)
# The accessibility tests: the accessibility bus and registry, the Python
# bindings that read the tree over AT-SPI, and the screen reader itself.
K98_DISPLAY_PACKAGES+=(at-spi2-core python3-pyatspi orca)

# Builds the given targets (everything when none are named), with the extra
# CMake options in K98_CMAKE_OPTIONS if any.
k98_build() {
    local build_dir=$1
    shift
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    # shellcheck disable=SC2086  # the options are words
    cmake -S "$K98_SOURCE_DIR" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${K98_CMAKE_OPTIONS:-} >/dev/null
    cmake --build "$build_dir" -j2 "${targets[@]}"
}
