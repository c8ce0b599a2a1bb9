#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a build tree, installs it into a temporary root, checks its desktop entry,
# AppStream metadata, icons and copyright file, and starts the installed program in a real X server until its input
# form appears.
# Usage: tests/package.sh BUILD-DIR
set -euo pipefail

build="$1"
: "${TAVREL_TITLE:?the window title, set by CTest}" "${TAVREL_VERSION:?the version, set by CTest}"
work="$(mktemp -d)"
. "$(dirname "${BASH_SOURCE[0]}")/xtest-common.sh"

step "package"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$out/cpack.log" 2>&1 || fail "cpack ended with $? (cpack.log)"
deb=$(ls "$work"/package/*.deb)
dpkg-deb --field "$deb" Package Version Depends
[ "$(dpkg-deb --field "$deb" Version)" = "$TAVREL_VERSION" ] || fail "the package does not carry version $TAVREL_VERSION"
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt Widgets"

step "install into a temporary root"
root="$work/root"
dpkg-deb -x "$deb" "$root"
for f in usr/bin/tavrel usr/share/applications/org.tavrel.Tavrel.desktop \
         usr/share/metainfo/org.tavrel.Tavrel.metainfo.xml usr/share/icons/hicolor/scalable/apps/tavrel.svg \
         usr/share/icons/hicolor/48x48/apps/tavrel.png usr/share/icons/hicolor/256x256/apps/tavrel.png \
         usr/share/doc/tavrel/copyright; do
    [ -e "$root/$f" ] || fail "$f is not installed"
done
grep -q '^License: GPL-3+$' "$root/usr/share/doc/tavrel/copyright" &&
    grep -q '/usr/share/common-licenses/GPL-3' "$root/usr/share/doc/tavrel/copyright" ||
    fail "the copyright file does not name the GNU GPL, version 3 or later"
desktop-file-validate "$root/usr/share/applications/org.tavrel.Tavrel.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.tavrel.Tavrel.metainfo.xml"
grep -q "<release version=\"$TAVREL_VERSION\"" "$root/usr/share/metainfo/org.tavrel.Tavrel.metainfo.xml" ||
    fail "the AppStream metadata does not name version $TAVREL_VERSION"

step "start the installed program"
"$root/usr/bin/tavrel" >"$out/tavrel.log" 2>&1 &
app=$!; pids+=("$app")
wait_windows "^$TAVREL_TITLE$" 20 >/dev/null || fail "the installed program showed no input form in 20 s (tavrel.log)"
kill "$app"

echo "package: 3 passed, 0 failed"
