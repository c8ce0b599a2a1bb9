#!/usr/bin/env bash
# Start-up time and peak memory of Tavrel against the floor, a bare Qt window with a line of text, a text box and
# a button, both in a private X server (Xvfb, on a free display). Prints, for each, the medians of the time from
# the start of the process until the window is mapped and until its content is first painted, and the ratios.
# Usage: bench/startup.sh [build-dir] [runs]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
runs="${2:-21}"

# The input form's title, as the build names it.
version=$(sed -n 's/^#define TAVREL_VERSION "\(.*\)"$/\1/p' "$build/include/shell/version.h")
[ -n "$version" ] || { echo "no version in $build/include/shell/version.h" >&2; exit 2; }
title="Tavrel v$version"

work="$(mktemp -d)"
. "$here/tests/xtest-common.sh" # a private Xvfb of 1280x1024 on a free display, settings in $work

probe="$build/bench/bench_startup_probe"
bare="$build/bench/bench_bare_window"
"$probe" 3 300 "$title" "$build/app/tavrel" >/dev/null # warm the file cache
"$probe" 3 300 "Bare Window" "$bare" >/dev/null
echo "== Tavrel =="
tavrel=$("$probe" "$runs" 300 "$title" "$build/app/tavrel" | tee /dev/stderr | tail -n 1)
echo "== floor: bare Qt window with a line of text, a text box and a button =="
floor=$("$probe" "$runs" 300 "Bare Window" "$bare" | tee /dev/stderr | tail -n 1)
echo "== bare Qt window with a line of text alone =="
label=$("$probe" "$runs" 300 "Bare Window" "$bare" --label | tee /dev/stderr | tail -n 1)

# "median: window after M ms, content after C ms, peak memory P kB"
field() { awk -v n="$2" '{print $n}' <<<"$1"; }
awk -v tm="$(field "$tavrel" 4)" -v tc="$(field "$tavrel" 8)" -v tp="$(field "$tavrel" 12)" \
    -v fm="$(field "$floor" 4)" -v fc="$(field "$floor" 8)" -v fp="$(field "$floor" 12)" \
    -v lm="$(field "$label" 4)" -v lc="$(field "$label" 8)" -v lp="$(field "$label" 12)" -v runs="$runs" 'BEGIN {
    printf "\nmedians of %d runs      Tavrel    floor   ratio   (text alone)\n", runs;
    printf "window mapped:       %7.1f  %7.1f   %5.2f   %7.1f ms\n", tm, fm, tm / fm, lm;
    printf "content painted:     %7.1f  %7.1f   %5.2f   %7.1f ms   (goal: ratio 1.15 at most)\n", tc, fc, tc / fc, lc;
    printf "peak memory:         %7.0f  %7.0f   %5.2f   %7.0f kB\n", tp, fp, tp / fp, lp }'
