#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Instructions counted by callgrind, which do not depend on what else the machine is doing: from the start of the
# process until the first paint of the input form has been handed to the window system (main thread, and all
# threads), for Tavrel and the floor; and the instructions of one round of reading and Back, from the difference
# between 2 and 12 readings of bench_reading_window. In a private X server (Xvfb, on a free display).
# Usage: bench/instructions.sh [build-dir]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
command -v valgrind >/dev/null || { echo "needs valgrind" >&2; exit 2; }

work="$(mktemp -d)"
. "$here/bench/xvfb.sh" # a private Xvfb of 1280x1024 on a free display, settings in $work

# Runs a program under callgrind for a few seconds, dumping the counts once the first paint has been flushed.
firstPaint() {
    local name="$1"
    shift
    valgrind --tool=callgrind --separate-threads=yes --dump-after='*QWidgetRepaintManager::flush*' \
        --callgrind-out-file="$work/$name" "$@" >/dev/null 2>&1 &
    local pid=$!
    pids+=("$pid")
    for _ in $(seq 150); do
        compgen -G "$work/$name.1-01" >/dev/null && break
        sleep 0.1
    done
    sleep 1
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    local main all
    main=$(sed -n 's/^totals: //p' "$work/$name.1-01")
    all=$(cat "$work/$name".1-* | sed -n 's/^totals: //p' | awk '{s += $1} END {print s}')
    # Other threads' counts are dumped at the end: add what they did in all (an upper bound for the first paint).
    for f in "$work/$name"-0[2-9]; do
        [ -e "$f" ] && all=$((all + $(sed -n 's/^totals: //p' "$f")))
    done
    echo "$main $all"
}

tavrel=$(firstPaint tavrel "$build/app/tavrel")
floor=$(firstPaint floor "$build/bench/bench_bare_window")
awk -v t="$tavrel" -v f="$floor" 'BEGIN {
    split(t, a, " "); split(f, b, " ")
    printf "to the first paint, in millions    Tavrel    floor   ratio\n"
    printf "main thread:                      %7.1f  %7.1f   %5.2f\n", a[1] / 1e6, b[1] / 1e6, a[1] / b[1]
    printf "all threads:                      %7.1f  %7.1f   %5.2f\n", a[2] / 1e6, b[2] / 1e6, a[2] / b[2]
}'

"$build/bench/bench_maximizer" >"$work/wm" &
wm=$!
pids+=("$wm")
disown "$wm"
for _ in $(seq 100); do [ -s "$work/wm" ] && break; sleep 0.1; done
reading() {
    valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file="$work/reading-$1" \
        "$build/bench/bench_reading_window" click "$1" >/dev/null 2>&1
    local main all
    main=$(sed -n 's/^totals: //p' "$work/reading-$1"-01)
    all=$(cat "$work/reading-$1"-* | sed -n 's/^totals: //p' | awk '{s += $1} END {print s}')
    echo "$main $all"
}
few=$(reading 1)
many=$(reading 11)
awk -v a="$few" -v b="$many" 'BEGIN {
    split(a, x, " "); split(b, y, " ")
    printf "one round of reading and Back, in millions: %.1f on the main thread, %.1f on all threads\n",
        (y[1] - x[1]) / 10 / 1e6, (y[2] - x[2]) / 10 / 1e6
}'
