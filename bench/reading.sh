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
trap 'kill ${wm:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 2; }
export DISPLAY=":$(head -n 1 "$work/display")"
"$build/bench/bench_maximizer" >"$work/wm" &
wm=$!
for _ in $(seq 100); do [ -s "$work/wm" ] && break; sleep 0.1; done

bench="$build/bench/bench_reading_window"
echo "== click to result painted =="
"$bench" click "$readings"
echo "== memory over rounds of reading and Back =="
"$bench" rounds "$rounds"
