# Shared by the tests that run the program in a real X server: a private Xvfb, and ways to wait for windows.
# The including script sets `work` to a temporary folder and may add process ids to `pids`.

pids=()
cleanup() {
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }

# Settings and the single-instance lock of the program under test live in the temporary folder.
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n 1 "$work/display")"
screen_w=1280
screen_h=1024

# Prints the ids of the visible windows whose title matches, waiting up to $2 seconds for at least one.
wait_windows() {
    local title="$1" seconds="$2" found=""
    for _ in $(seq $((seconds * 10))); do
        found=$(xdotool search --onlyvisible --name "$title" 2>/dev/null || true)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.1
    done
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
    return 1
}
# The input form: 496 pixels wide.
input_form() { window_of_width -lt "$1"; }
# The frame: the window of that title that is wider than the input form.
frame_window() { window_of_width -gt "$1"; }
wait_exit() {
    local pid="$1" seconds="$2"
    for _ in $(seq $((seconds * 10))); do
        kill -0 "$pid" 2>/dev/null || { wait "$pid"; return $?; }
        sleep 0.1
    done
    return 124
}
