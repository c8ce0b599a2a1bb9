#!/usr/bin/env bash
# Installs the Debian packages Tavrel needs (only those that are missing), then configures a build tree, or with
# --windows builds the static Qt for Windows (once per machine: about 30 minutes on 2 cores; later runs reuse it)
# and prints its folder.
# Usage: scripts/setup.sh BUILD-DIR [CMAKE-OPTIONS...]
#        scripts/setup.sh --windows
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$1"
shift

packages=(
    build-essential cmake ninja-build pkg-config ccache
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libxkbcommon-dev libfontconfig-dev qt6-qpa-plugins
    fonts-dejavu-core
    xvfb xauth xdotool x11-utils imagemagick libxdamage-dev openbox
    desktop-file-utils appstream dpkg-dev file
    dbus-daemon dbus-bin at-spi2-core
    g++-mingw-w64-x86-64-posix nsis wine64 osslsigncode openssl
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ "$build" = "--windows" ]; then
    exec "$here/packaging/windows/build-qt.sh"
fi

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${TAVREL_BUILD_TYPE:-RelWithDebInfo}" \
      -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@"
