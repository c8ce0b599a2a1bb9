# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the benchmarks: starts a window manager in the X server of $DISPLAY and waits until it manages windows.
#   start_window_manager openbox|maximizer BUILD-DIR
# openbox decorates windows and maximizes those that ask, as a desktop does; bench_maximizer only gives a window
# that asks to be maximized the whole screen. The including script has `work` and `pids` (bench/xvfb.sh).
start_window_manager() {
    local name="$1" build="$2" wm
    case "$name" in
    openbox)
        # Its own configuration folder, empty: openbox's defaults, no autostart.
        mkdir -p "$work/openbox-config"
        XDG_CONFIG_HOME="$work/openbox-config" openbox --sm-disable >"$work/wm.log" 2>&1 &
        ;;
    maximizer) "$build/bench/bench_maximizer" >"$work/wm.log" 2>&1 & ;;
    *) echo "unknown window manager: $name" >&2; exit 2 ;;
    esac
    wm=$!
    pids+=("$wm")
    disown "$wm"
    # A window manager that runs owns the selection of the screen's manager (openbox) or says it is ready.
    for _ in $(seq 100); do
        if [ "$name" = openbox ]; then
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        else
            [ -s "$work/wm.log" ] && return 0
        fi
        sleep 0.1
    done
    echo "the window manager $name did not start" >&2
    exit 2
}
