#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the static Qt that the Windows program is made with: Debian's own qt6-base source, cross-compiled with
# MinGW-w64 (posix threads), with only what Tavrel uses. The result is kept outside the work tree, keyed by the
# Qt version and these options, so that later runs reuse it.
# Usage: packaging/windows/build-qt.sh   (prints the install prefix on its last line)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cache="${TAVREL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tavrel}"
jobs="$(nproc)"

qt_version="$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[+~-].*//')"

# Everything below decides what the build holds; its hash names the install folder.
# Keep the XPM reader: Qt's drag and drop depends on it, and QApplication does not compile without drag and drop.
# Keep Direct2D: without it Qt 6.4 leaves out the DirectWrite font database that the windows platform plugin links
# against (its own Direct2D plugin is built but not linked into the program).
qt_options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF
    -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF
    -DFEATURE_optimize_size=ON
    -DFEATURE_static_runtime=ON
    -DFEATURE_tabletevent=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_network=ON
    -DFEATURE_dbus=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_testlib=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_gif=OFF
    -DFEATURE_ico=OFF
    -DFEATURE_imageformat_ppm=OFF
    -DFEATURE_imageformat_xbm=OFF
    -DFEATURE_textmarkdownreader=OFF
    -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_textodfwriter=OFF
    -DFEATURE_style_fusion=ON
    -DFEATURE_sqlmodel=OFF
)
# The cross compiler's version is part of the key: a new MinGW-w64 builds a new Qt.
compiler_version="$(x86_64-w64-mingw32-g++-posix --version | sed -n 1p)"
key="$(printf '%s\n' "$qt_version" "${qt_options[@]}" "$(cat "$here/mingw-toolchain.cmake")" "$compiler_version" |
    sha256sum | cut -c1-12)"
prefix="$cache/qt-$qt_version-mingw-$key"

# One build at a time for each key: a second run waits for the first and then reuses its result.
mkdir -p "$cache"
exec 9>"$prefix.lock"
flock 9
if [ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    echo "$prefix"
    exit 0
fi

work="$cache/qt-build-$key"
src="$cache/qt6-base-src-$(dpkg-query -W -f='${Version}' qt6-base-dev)"
mkdir -p "$work"

# The source comes from Debian itself, through a private apt configuration that leaves the machine's own alone.
# It is kept beside the builds, so that another set of options does not fetch it again.
if [ ! -d "$src" ]; then
    apt_dir="$work/apt"
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial"
    uri="$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | sed -n 1p)"
    uri="${uri:-http://deb.debian.org/debian}"
    suite="$(. /etc/os-release && echo "${VERSION_CODENAME:?the Debian suite is not named in /etc/os-release}")"
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $uri $suite main" \
        > "$apt_dir/sources.list"
    apt_opts=(-o Dir::Etc::SourceList="$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
              -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache::Archives="$apt_dir/archives"
              -o APT::Sandbox::User=root -o Debug::NoLocking=1)
    apt-get "${apt_opts[@]}" update -qq >&2
    rm -rf "$work/fetch" && mkdir -p "$work/fetch"
    (cd "$work/fetch" && apt-get "${apt_opts[@]}" source -qq "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)") >&2
    mv "$(find "$work/fetch" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | sed -n 1p)" "$src"
    rm -rf "$work/fetch" "$apt_dir"
fi

# The host's Qt, whose tools the cross build runs, wherever the machine's architecture puts it.
# (Every pipe here reads its input to the end: a reader that stopped early, as head or grep -m1 does, would cut
# the writer off, and pipefail would end the script now and then.)
qt6_config="$(dpkg -L qt6-base-dev | grep '/cmake/Qt6/Qt6Config.cmake$')"
qt6_config="${qt6_config%%$'\n'*}"

# Its output goes to standard error: standard output names the install folder only.
{
    launcher=()
    if command -v ccache >/dev/null; then launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
    rm -rf "$work/build"
    cmake -S "$src" -B "$work/build" -G Ninja "${launcher[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$(dirname "$(dirname "$qt6_config")")" \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        "${qt_options[@]}"
    cmake --build "$work/build" --parallel "$jobs"
    cmake --install "$work/build"
} >&2
rm -rf "$work"
echo "$prefix"
