#!/usr/bin/env bash
# Start-up time and peak memory of Tavrel against a bare Qt window, both in a real X server (Xvfb).
# Usage: bench/startup.sh [build-dir] [runs]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
runs="${2:-15}"

work="$(mktemp -d)"
trap 'kill ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb

if [ -z "${DISPLAY:-}" ]; then
    Xvfb :77 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=:77
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

probe="$build/bench/bench_startup_probe"
"$probe" 2 300 "Tavrel v1.15" "$build/app/tavrel" >/dev/null   # warm the file cache
"$probe" 2 300 "Bare Window" "$build/bench/bench_bare_window" >/dev/null
echo "== Tavrel =="
tavrel=$("$probe" "$runs" 300 "Tavrel v1.15" "$build/app/tavrel" | tee /dev/stderr | tail -n 1)
echo "== bare Qt window =="
bare=$("$probe" "$runs" 300 "Bare Window" "$build/bench/bench_bare_window" | tee /dev/stderr | tail -n 1)
echo "== bare Qt window with one line of text =="
label=$("$probe" "$runs" 300 "Bare Window" "$build/bench/bench_bare_window" --label | tee /dev/stderr | tail -n 1)

t1=$(awk '{print $4}' <<<"$tavrel"); m1=$(awk '{print $8}' <<<"$tavrel")
t0=$(awk '{print $4}' <<<"$bare");   m0=$(awk '{print $8}' <<<"$bare")
t2=$(awk '{print $4}' <<<"$label"); m2=$(awk '{print $8}' <<<"$label")
awk -v t1="$t1" -v t0="$t0" -v m1="$m1" -v m0="$m0" -v t2="$t2" -v m2="$m2" 'BEGIN {
    printf "start-up: %.1f ms against %.1f ms for the bare window, ratio %.2f (goal 1.25 at most)\n", t1, t0, t1 / t0;
    printf "peak memory: %.0f kB against %.0f kB for the bare window, ratio %.2f (goal 1.30 at most)\n", m1, m0, m1 / m0;
    printf "against the bare window with text (%.1f ms, %.0f kB): start-up ratio %.2f, memory ratio %.2f\n", t2, m2, t1 / t2, m1 / m2 }'
