#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time and peak memory of Tavrel against the floor, a bare Qt window with a line of text, a text box and
# a button, both in a private X server (Xvfb, on a free display). Prints, for each, the medians of the time from
# the start of the process until the window is mapped and until its content is first painted, and the medians
# of the ratios of runs taken side by side.
# Usage: bench/startup.sh [--wm openbox|maximizer] [build-dir] [runs]
#   --wm         a window manager (see bench/reading.sh); without it, none
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
wm=""
if [ "${1:-}" = --wm ]; then
    wm="$2"
    shift 2
fi
build="${1:-$here/build}"
runs="${2:-21}"

# The input form's title, as the build names it.
version=$(sed -n 's/^#define TAVREL_VERSION "\(.*\)"$/\1/p' "$build/include/shell/version.h")
[ -n "$version" ] || { echo "no version in $build/include/shell/version.h" >&2; exit 2; }
title="Tavrel v$version"

work="$(mktemp -d)"
. "$here/bench/xvfb.sh" # a private Xvfb of 1280x1024 on a free display, settings in $work
if [ -n "$wm" ]; then
    . "$here/bench/windowmanager.sh"
    start_window_manager "$wm" "$build"
fi

probe="$build/bench/bench_startup_probe"
bare="$build/bench/bench_bare_window"
"$probe" 3 300 "$title" "$build/app/tavrel" >/dev/null # warm the file cache
"$probe" 3 300 "Bare Window" "$bare" >/dev/null
# The three programs take turns, so that whatever else the machine does in the meantime weighs on each alike.
for run in $(seq "$runs"); do
    "$probe" 1 300 "$title" "$build/app/tavrel" | grep '^run' >>"$work/tavrel"
    "$probe" 1 300 "Bare Window" "$bare" | grep '^run' >>"$work/floor"
    "$probe" 1 300 "Bare Window" "$bare" --label | grep '^run' >>"$work/label"
    echo "run $run: $(awk '{print $9}' <(tail -n 1 "$work/tavrel")) ms against $(awk '{print $9}' <(tail -n 1 "$work/floor")) ms"
done

# Each line: "run  1: window after M ms, content after C ms, peak memory P kB"
paste "$work/tavrel" "$work/floor" "$work/label" | awk -v runs="$runs" '
function median(a, n,   i, j, t) {
    for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j >= 1 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
    return (n % 2) ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
}
{
    n++
    tm[n] = $5; tc[n] = $9; tp[n] = $13
    fm[n] = $19; fc[n] = $23; fp[n] = $27
    lm[n] = $33; lc[n] = $37; lp[n] = $41
    rm[n] = $5 / $19; rc[n] = $9 / $23; rp[n] = $13 / $27
}
END {
    printf "\nmedians of %d runs      Tavrel    floor   ratio   (text alone)\n", runs
    printf "window mapped:       %7.1f  %7.1f   %5.2f   %7.1f ms\n", median(tm, n), median(fm, n), median(rm, n), median(lm, n)
    printf "content painted:     %7.1f  %7.1f   %5.2f   %7.1f ms   (goal: ratio 1.15 at most)\n", median(tc, n), median(fc, n), median(rc, n), median(lc, n)
    printf "peak memory:         %7.0f  %7.0f   %5.2f   %7.0f kB\n", median(tp, n), median(fp, n), median(rp, n), median(lp, n)
    print "(a ratio is the median of the ratios of runs taken side by side)"
}'
