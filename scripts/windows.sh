#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Windows program in build-windows/: tavrel.exe (one static executable), the installer
# Tavrel-<version>-setup.exe and Tavrel-<version>-portable.zip, and prints their sizes and whether they are signed.
# The first run on a machine also builds Qt for Windows (about 30 minutes on 2 cores); later runs reuse it.
# With a code-signing certificate in TAVREL_SIGN_PKCS12 (a .p12 or .pfx file), its password in
# TAVREL_SIGN_PASSWORD and, if wanted, a time-stamp server in TAVREL_SIGN_TIMESTAMP, the programs are signed.
# Options after it go to CMake: the web sites (-DTAVREL_MAIN_SITE=https://... -DTAVREL_HELP_SITE=https://...), which
# must be given for a release, or -DTAVREL_ALLOW_PLACEHOLDER_LINKS=ON to build with the placeholders all the same.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

TAVREL_QT_MINGW="$("$here/scripts/setup.sh" --windows | tail -n 1)"
export TAVREL_QT_MINGW
cd "$here"
cmake --preset windows "$@" >/dev/null
cmake --build --preset windows --parallel "$(nproc)"

build="$here/build-windows"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
size() {
    local bytes
    bytes=$(stat -c %s "$1")
    awk -v b="$bytes" -v n="$2" -v g="$3" 'BEGIN { printf "%-32s %6.2f MB (goal: %s MB at most)\n", n, b / 1e6, g }'
}
size "$build/tavrel.exe" tavrel.exe 16
size "$build/Tavrel-$version-setup.exe" "Tavrel-$version-setup.exe" 8
size "$build/Tavrel-$version-portable.zip" "Tavrel-$version-portable.zip" 8
pkcs12="$(sed -n 's/^TAVREL_SIGN_PKCS12:[A-Z]*=//p' "$build/CMakeCache.txt")"
if [ -n "$pkcs12" ]; then
    echo "tavrel.exe, its installer and uninstaller are signed with $pkcs12"
else
    echo "unsigned: no certificate in TAVREL_SIGN_PKCS12 (its password goes in TAVREL_SIGN_PASSWORD)"
fi
for site in TAVREL_MAIN_SITE TAVREL_HELP_SITE; do
    address="$(sed -n "s/^$site:[A-Z]*=//p" "$build/CMakeCache.txt")"
    if [[ "$address" =~ ^https?://([^/:]+\.)?example\.(org|com|net)(:[0-9]+)?$ ]]; then
        echo "WARNING: $site is the placeholder $address: this build links to a site that is not Tavrel's" >&2
    fi
done
