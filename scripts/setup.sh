#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages a purpose needs (only those that are missing), then does that purpose's set-up.
# Usage: scripts/setup.sh BUILD-DIR [CMAKE-OPTIONS...]
#            what building and running need (the compiler, CMake, Ninja and Qt), then configures BUILD-DIR with the
#            dev preset (optimised with debug information, tests and benchmarks; options after it override)
#        scripts/setup.sh --preset NAME [CMAKE-OPTIONS...]
#            the same, for a preset of CMakePresets.json in the folder it names
#        scripts/setup.sh --tests
#            what the test command needs besides: X servers, the Wayland compositors, the accessibility bus, the
#            package tools, the code checkers, Wine and the Windows cross compiler
#        scripts/setup.sh --windows
#            what making the Windows program needs, then builds the static Qt for Windows (once per machine: about
#            30 minutes on 2 cores; later runs reuse it) and prints its folder
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
usage() { sed -n '2,/^set -euo/p' "${BASH_SOURCE[0]}" | grep -v SPDX- | sed '$d; s/^# \{0,1\}//' >&2; exit 2; }
[ $# -ge 1 ] || usage

# Building and running: the compiler, CMake, Ninja and Qt (with the fonts the program's texts are laid out in), and
# the client libraries of X11 and Wayland with the Wayland activation protocol, by which a running copy is brought
# to the user.
build_packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libxkbcommon-dev libfontconfig-dev qt6-qpa-plugins
    libxcb1-dev libwayland-dev wayland-protocols
    fonts-dejavu-core
)
# Making the Windows program: the cross compiler and the installer maker.
windows_packages=(g++-mingw-w64-x86-64-posix nsis osslsigncode openssl)
# The test command: X servers and input (xdotool), screenshots, a window manager and the Wayland compositors (weston,
# GNOME's mutter, KDE's KWin with its title bars) with their X server for X programs, the clipboard tools of Wayland,
# the message bus with the accessibility bus and its reader, the Debian package's tools with lintian, the startup
# benchmark's X extension, the code checkers (clang-tidy, clazy, clang-format) and Wine.
test_packages=(
    ccache
    xvfb xauth xdotool x11-utils imagemagick libxdamage-dev openbox
    weston mutter kwin-wayland kwin-style-breeze qt6-wayland xwayland wl-clipboard
    dbus-daemon dbus-bin at-spi2-core python3 python3-gi gir1.2-atspi-2.0
    desktop-file-utils appstream dpkg-dev file lintian
    clang-tidy clazy clang-format
    wine64
    "${windows_packages[@]}"
)

install_missing() {
    local missing=() p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed'; then
            missing+=("$p")
        fi
    done
    ((${#missing[@]})) || return 0
    echo "Installing: ${missing[*]}" >&2
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

case "$1" in
--tests)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    ;;
--windows)
    install_missing "${build_packages[@]}" "${windows_packages[@]}"
    exec "$here/packaging/windows/build-qt.sh"
    ;;
--preset)
    [ $# -ge 2 ] || usage
    preset="$2"
    shift 2
    install_missing "${build_packages[@]}"
    cd "$here"
    cmake --preset "$preset" "$@"
    ;;
-*)
    usage
    ;;
*)
    build="$(realpath -m "$1")"
    shift
    install_missing "${build_packages[@]}"
    cd "$here"
    cmake --preset dev -B "$build" "$@"
    ;;
esac
