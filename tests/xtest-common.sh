# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the tests that drive real windows: a private Xvfb, ways to wait for what the screen shows, and the
# evidence a failure leaves behind.
# The including script sets `work` to a temporary folder; it may set `xvfb_screen` and `leg`, its name and that of
# its evidence folder (by default $TAVREL_LEG, which CTest sets to the test's name, or the script's name). It may
# add process ids to `pids`, functions that gather more evidence to `evidence_hooks` and functions that end what it
# started to `teardown_hooks` (run last first, before the processes in `pids` are killed).
#
# Evidence: everything the leg writes that explains a failure (the steps with their times, the logs of the
# programs and the tools, a screenshot at the moment of failure, the windows then shown) goes into
# $TAVREL_TEST_OUTPUT/$leg (CTest sets test-output/ in the build folder); a passing run removes it, a failing one
# keeps it and names it in its failure message.

pids=()
evidence_hooks=()
teardown_hooks=()
failure=""
current_step="start"
leg="${leg:-${TAVREL_LEG:-$(basename "$0" .sh)}}"
out="${TAVREL_TEST_OUTPUT:-$PWD/test-output}/$leg"
rm -rf "$out"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

stamp() { date +%T.%3N; }
trace() { echo "$(stamp) $*" >>"$out/trace.log"; }
steps=0
step() {
    steps=$((steps + 1))
    current_step="$*"
    echo "-- $*"
    trace "step: $*"
}
# Ends the leg as failed; the evidence is gathered on the way out.
fail() {
    failure="$*"
    trace "FAIL: $*"
    exit 1
}
trap 'failed_line=$LINENO failed_command=$BASH_COMMAND' ERR

# A screenshot of the whole screen and the list of windows, named after what happened ($1).
snapshot() {
    [ -n "${DISPLAY:-}" ] || return 0
    timeout 20 import -window root "$out/$1.png" 2>>"$out/tools.log" || true
    timeout 20 xwininfo -root -tree >"$out/$1-windows.txt" 2>&1 || true
}

cleanup() {
    local status=$? h p
    trap - ERR
    set +e
    if [ "$status" -ne 0 ]; then
        [ -n "$failure" ] || failure="the command '${failed_command:-?}' (line ${failed_line:-?}) ended with status $status"
        snapshot failure
        for h in "${evidence_hooks[@]}"; do "$h" >>"$out/tools.log" 2>&1; done
    fi
    for ((h = ${#teardown_hooks[@]} - 1; h >= 0; h--)); do "${teardown_hooks[h]}" >>"$out/tools.log" 2>&1; done
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null && wait "$p" 2>/dev/null; done
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
    if [ "$status" -ne 0 ]; then
        {
            echo "FAIL: $failure"
            echo "  at the step: $current_step"
            echo "  evidence: $out/ ($(cd "$out" && ls | tr '\n' ' '))"
            echo "  the last steps:"
            tail -n 8 "$out/trace.log" 2>/dev/null | sed 's/^/    /'
        } >&2
    else
        rm -rf "$out"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'fail "ended by a signal"' TERM INT HUP

# Settings and the single-instance lock of the program under test live in the temporary folder.
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" TMPDIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 "${xvfb_screen:-1280x1024x24}" -nolisten tcp -noreset >"$out/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n 1 "$work/display")"
screen_w=1280
screen_h=1024

# Runs a command again every tenth of a second until it succeeds, for up to $1 seconds; says in the trace what
# was awaited ($2) and how long it took. Returns 1 on the deadline.
wait_until() {
    local seconds="$1" what="$2" began=$SECONDS
    shift 2
    for _ in $(seq $((seconds * 10))); do
        if "$@" >/dev/null 2>&1; then
            trace "seen after $((SECONDS - began)) s: $what"
            return 0
        fi
        sleep 0.1
    done
    trace "not seen in $seconds s: $what"
    return 1
}

# Prints the ids of the visible windows whose title matches, waiting up to $2 seconds for at least one.
wait_windows() {
    local title="$1" seconds="$2" found=""
    for _ in $(seq $((seconds * 10))); do
        found=$(xdotool search --onlyvisible --name "$title" 2>/dev/null || true)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.1
    done
    trace "no window titled $title in $seconds s"
    return 1
}
geometry() { xdotool getwindowgeometry --shell "$1"; } # sets X, Y, WIDTH, HEIGHT when eval'ed
# Waits up to $2 seconds for a visible window titled $TAVREL_TITLE whose width compares ($1) with 600 pixels.
window_of_width() {
    for _ in $(seq $(($2 * 10))); do
        for w in $(xdotool search --onlyvisible --name "^$TAVREL_TITLE$" 2>/dev/null || true); do
            eval "$(geometry "$w")"
            [ "$WIDTH" "$1" 600 ] && { echo "$w"; return 0; }
        done
        sleep 0.1
    done
    trace "no window titled $TAVREL_TITLE of a width $1 600 in $2 s"
    return 1
}
# The input form: 496 pixels wide.
input_form() { window_of_width -lt "$1"; }
# The frame: the window of that title that is wider than the input form.
frame_window() { window_of_width -gt "$1"; }
# Whether window $1 holds the keyboard focus (the focus may be on a window inside it).
has_focus() {
    local focus
    focus=$(xdotool getwindowfocus -f 2>/dev/null) || return 1
    [ "$focus" = "$1" ] || xwininfo -tree -id "$1" 2>/dev/null | grep -q "^ *$(printf '0x%x' "$focus") "
}
# Waits up to $2 seconds for window $1 to hold the keyboard focus.
wait_focus() { wait_until "$2" "window $1 holds the keyboard focus" has_focus "$1"; }
# Waits up to $2 seconds for process $1 to end, and returns its exit status (124 when it is still running).
wait_exit() {
    local pid="$1" seconds="$2"
    for _ in $(seq $((seconds * 10))); do
        kill -0 "$pid" 2>/dev/null || { wait "$pid"; return $?; }
        sleep 0.1
    done
    trace "process $pid still running after $seconds s"
    return 124
}

# A private D-Bus message bus with the AT-SPI accessibility bus started (by asking the bus for its address), on
# which Qt programs tell what they show: Qt speaks to assistive tools only once it finds that bus. The settings back
# end is kept in memory, away from the user's settings.
start_accessibility_bus() {
    # The bus's own address is set before it starts, so that the services it starts inherit it.
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus"
    cat >"$work/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <listen>unix:path=$work/bus</listen>
  <auth>EXTERNAL</auth>
  <servicedir>/usr/share/dbus-1/services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
    dbus-daemon --config-file="$work/bus.conf" --nofork >"$out/dbus.log" 2>&1 &
    pids+=("$!")
    wait_until 10 "the message bus" test -S "$work/bus" || fail "the message bus did not start"
    dbus-send --bus="$DBUS_SESSION_BUS_ADDRESS" --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null || fail "the accessibility bus did not start"
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 GSETTINGS_BACKEND=memory
}

# Starts a private Wayland compositor (weston, its X11 back end) inside the X server: xdotool's key presses and
# clicks reach its programs through its seat, as a person's would. Its screen is $screen_w x $screen_h in the top
# left corner of the X server's, which is taller (xvfb_screen=1280x1048x24) so that the pointer can leave it. With $1 = xwayland it also starts its X server
# for X programs. Sets `launch`, the command that starts a program on it: with QT_QPA_PLATFORM=wayland, or on
# XWayland's display with QT_QPA_PLATFORM=xcb.
start_weston() {
    local socket="tavrel-test" options=()
    [ "$1" = xwayland ] && options+=(--xwayland)
    weston --backend=x11-backend.so --socket="$socket" --width="$screen_w" --height="$screen_h" --use-pixman \
        --idle-time=0 --debug "${options[@]}" >"$out/weston.log" 2>&1 &
    weston=$!
    pids+=("$weston")
    teardown_hooks+=(stop_weston)
    evidence_hooks+=(weston_evidence)
    wait_until 20 "the compositor's socket" test -S "$XDG_RUNTIME_DIR/$socket" || fail "weston did not start (weston.log)"
    export WAYLAND_DISPLAY="$socket"
    # The desktop shell is ready when its panel is shown.
    wait_until 20 "the compositor's panel" scene_has 'panel for output' || fail "weston's shell did not start (weston.log)"
    # The compositor moves its pointer by the steps the X pointer makes, from where it entered its window: the
    # pointer enters once more, so that both are at the same place.
    xdotool mousemove "$((screen_w / 2))" "$((screen_h + 10))"
    xdotool mousemove "$((screen_w / 2))" "$((screen_h / 2))"
    wait_until 10 "the compositor's pointer in the middle of the screen" \
        scene_has "position: ($((screen_w / 2 - 5)), $((screen_h / 2 - 5)))" || fail "the compositor's pointer is not where the X pointer is"
    if [ "$1" = xwayland ]; then
        wait_until 20 "XWayland" grep -q 'xserver listening on display' "$out/weston.log" ||
            fail "XWayland did not start (weston.log)"
        local display
        display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$out/weston.log" | tail -n 1)
        launch=(env DISPLAY="$display" QT_QPA_PLATFORM=xcb)
    else
        launch=(env QT_QPA_PLATFORM=wayland)
    fi
}
stop_weston() {
    kill "$weston" 2>/dev/null || return 0
    for _ in $(seq 50); do kill -0 "$weston" 2>/dev/null || return 0; sleep 0.1; done
}
weston_evidence() { scene >"$out/failure-scene-graph.txt" 2>&1; }
# What the compositor shows: its scene graph.
scene() { timeout 10 weston-debug scene-graph 2>/dev/null; }
scene_has() { scene | grep -q "$1"; }
# Sets OX and OY to the top left corner of the client area of the compositor's window titled $1, whose client
# area is $2 x $3 pixels: its decorations (the program's own on Wayland, the compositor's on XWayland) are as
# wide on the left, the right and the bottom, the title bar is above.
client_origin() {
    local title="$1" width="$2" height="$3" line x1 y1 x2 y2 border top
    while read -r x1 y1 x2 y2; do
        border=$(((x2 - x1 - width) / 2))
        top=$((y2 - y1 - border - height))
        if [ $((x2 - x1 - width)) -ge 0 ] && [ $(((x2 - x1 - width) % 2)) -eq 0 ] && [ "$border" -le 50 ] &&
            [ "$top" -ge 0 ] && [ "$top" -le 100 ]; then
            OX=$((x1 + border)) OY=$((y1 + top))
            return 0
        fi
    done < <(scene | grep -A1 -F "top-level window '$title'" |
        sed -n 's/^\s*position: (\(-\{0,1\}[0-9]*\), \(-\{0,1\}[0-9]*\)) -> (\(-\{0,1\}[0-9]*\), \(-\{0,1\}[0-9]*\)).*/\1 \2 \3 \4/p')
    return 1
}
