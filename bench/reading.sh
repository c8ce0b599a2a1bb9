#!/usr/bin/env bash
# The reading in the real windows, in a private X server (Xvfb, on a free display) of 1280x1024 where a
# maximized window fills the screen as on a desktop: the time from a click on the reading button until the
# result is painted, and the resident memory after 10, 100 and 1000 rounds of reading and Back.
# Usage: bench/reading.sh [build-dir] [readings] [rounds]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
readings="${2:-41}"
rounds="${3:-1000}"

work="$(mktemp -d)"
. "$here/tests/xtest-common.sh" # a private Xvfb of 1280x1024 on a free display, settings in $work
"$build/bench/bench_maximizer" >"$work/wm" &
wm=$!
pids+=("$wm")
disown "$wm"
for _ in $(seq 100); do [ -s "$work/wm" ] && break; sleep 0.1; done

bench="$build/bench/bench_reading_window"
echo "== click to result painted =="
"$bench" click "$readings"
echo "== memory over rounds of reading and Back =="
"$bench" rounds "$rounds"
