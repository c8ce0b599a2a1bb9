# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the benchmarks: a private X server (Xvfb, 1280x1024, on a free display) with the program's settings and
# lock in the including script's temporary folder `work`. The processes the script adds to `pids`, the X server and
# `work` go when it ends.
pids=()
bench_end() {
    local p
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
    kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap bench_end EXIT
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 2; }
export DISPLAY=":$(head -n 1 "$work/display")"
