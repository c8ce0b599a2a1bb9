#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The reading in the real windows, in a private X server (Xvfb, on a free display) of 1280x1024 where a
# maximized window fills the screen as on a desktop: the time from a click on the reading button until the
# result is painted, and the resident memory after 10, 100 and 1000 rounds of reading and Back.
# Usage: bench/reading.sh [--wm openbox|maximizer] [--without-rehearsal] [build-dir] [readings] [rounds]
#   --wm         the window manager: openbox (decorates and maximizes windows, as a desktop does; the default) or
#                bench_maximizer (gives a window that asks to be maximized the whole screen, and nothing else)
#   --without-rehearsal  the first letter typed is not rehearsed (see ui/rehearsal.h)
# Rounds 0 skips the memory rounds.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
wm=openbox
without=()
while [ $# -gt 0 ]; do
    case "$1" in
    --wm) wm="$2"; shift 2 ;;
    --without-rehearsal) without=(--without-rehearsal); shift ;;
    *) break ;;
    esac
done
build="${1:-$here/build}"
readings="${2:-41}"
rounds="${3:-1000}"

work="$(mktemp -d)"
. "$here/bench/xvfb.sh" # a private Xvfb of 1280x1024 on a free display, settings in $work
. "$here/bench/windowmanager.sh"
start_window_manager "$wm" "$build"

bench="$build/bench/bench_reading_window"
echo "== click to result painted (window manager: $wm${without:+, without the rehearsal}) =="
"$bench" click "$readings" "${without[@]}"
if [ "$rounds" -gt 0 ]; then
    echo "== memory over rounds of reading and Back =="
    "$bench" rounds "$rounds" "${without[@]}"
fi
