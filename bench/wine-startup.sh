#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the Windows program under Wine against a bare Qt window built the same way (static, GUI), side by
# side in one run, in a Wine prefix and an X server of its own: the time from the start of the process until its
# window is mapped, and the peak memory of the process, with their ratios; then the sizes of tavrel.exe and of the
# installer. The Wine server and its services stay up between the runs, as Windows' own do.
# Usage: bench/wine-startup.sh [linux-build-dir] [windows-build-dir] [runs]
#   (bench_startup_probe comes from the Linux build; scripts/windows.sh makes the Windows one)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
wbuild="${2:-$here/build-windows}"
runs="${3:-10}"
probe="$build/bench/bench_startup_probe"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$wbuild/CMakeCache.txt")"
wine="$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)"
export WINESERVER="$(command -v wineserver || echo /usr/lib/wine/wineserver)"

work="$(mktemp -d)"
export WINEPREFIX="$work/wine" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache" XDG_CONFIG_HOME="$work/config"
export FONTCONFIG_FILE="$here/tests/fonts/fonts.conf"
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_CONFIG_HOME"
cleanup() {
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"

"$wine" wineboot --init >/dev/null 2>&1
"$WINESERVER" -w
"$WINESERVER" -p # stays up until killed

tavrel=("$wine" "$wbuild/tavrel.exe")
bare=("$wine" "$wbuild/bench_bare_window.exe")
"$probe" 2 1000 "Tavrel v$version" "${tavrel[@]}" >/dev/null # warm the file cache; the first start writes the setting
"$probe" 2 1000 "Bare Window" "${bare[@]}" >/dev/null
echo "== tavrel.exe under Wine =="
t=$("$probe" "$runs" 1000 "Tavrel v$version" "${tavrel[@]}" | tee /dev/stderr | tail -n 1)
echo "== bare Qt window under Wine =="
b=$("$probe" "$runs" 1000 "Bare Window" "${bare[@]}" | tee /dev/stderr | tail -n 1)

# "median: window after M ms, content after C ms, peak memory P kB"
field() { awk -v n="$2" '{print $n}' <<<"$1"; }
awk -v tm="$(field "$t" 4)" -v tc="$(field "$t" 8)" -v tp="$(field "$t" 12)" \
    -v bm="$(field "$b" 4)" -v bc="$(field "$b" 8)" -v bp="$(field "$b" 12)" -v runs="$runs" 'BEGIN {
    printf "\nunder Wine, medians of %d runs   tavrel.exe   bare window   ratio\n", runs;
    printf "window mapped:                  %7.1f      %7.1f     %5.2f ms\n", tm, bm, tm / bm;
    printf "input form on screen:           %7.1f      %7.1f     %5.2f ms   (goal: ratio 1.25 at most)\n", tc, bc, tc / bc;
    printf "peak memory:                    %7.0f      %7.0f     %5.2f kB   (goal: ratio 1.25 at most)\n", tp, bp, tp / bp }'
for f in "$wbuild/tavrel.exe" "$wbuild/bench_bare_window.exe" "$wbuild/Tavrel-$version-setup.exe"; do
    awk -v b="$(stat -c %s "$f")" -v n="$(basename "$f")" 'BEGIN { printf "%-28s %6.2f MB\n", n, b / 1e6 }'
done
