#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the built program in a private X server with real X input (xdotool):
#  - without a window manager, with a named pipe where a system-wide settings file could be: the program starts;
#    the frame keeps its restored size, and a click on its Back button brings the input form back with the
#    keyboard, so that Alt+G, with no click between, shows the next reading; a click on Exit ends the program;
#  - under openbox, with a 120-pixel dock at the left edge of the screen: the frame opens maximized beside the
#    dock, and a click on its Exit button ends the program.
# Usage: tests/frame-x11.sh PROGRAM DOCK-PROGRAM [SCREENSHOT-DIR]
set -euo pipefail

app="$1"
dock_app="$2"
: "${TAVREL_TITLE:?the window title, set by CTest}"
shots="${3:-}"
work="$(mktemp -d)"
. "$(dirname "${BASH_SOURCE[0]}")/xtest-common.sh"

click() { xdotool mousemove "$1" "$2" click 1; }
# Sets X, Y, WIDTH and HEIGHT of a window's inside, on the screen.
inside() {
    local info
    info=$(xwininfo -id "$1")
    X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    WIDTH=$(sed -n 's/.*Width: *//p' <<<"$info")
    HEIGHT=$(sed -n 's/.*Height: *//p' <<<"$info")
}
# Waits up to $2 seconds until the command $1 succeeds.
wait_until() {
    for _ in $(seq $(($2 * 10))); do
        eval "$1" && return 0
        sleep 0.1
    done
    return 1
}
# The buttons at the right end of the frame's bottom strip, 855 twips high: Back 1260 x 465 twips at 2660 twips
# from the right edge, Exit 1335 x 495 twips at 1355; both 240 twips below the top of the strip.
click_back() { inside "$1"; click $((X + WIDTH - 177 + 42)) $((Y + HEIGHT - 57 + 16 + 15)); }
click_exit() { inside "$1"; click $((X + WIDTH - 90 + 44)) $((Y + HEIGHT - 57 + 16 + 16)); }
type_name() {
    inside "$1"
    click $((X + 300)) $((Y + HEIGHT - 353 + 160)) # the name box, 353 pixels above the bottom of the form
    xdotool type --delay 30 "$2"
}

step "start with a named pipe in the system-wide settings folder"
mkdir -p "$work/xdg/Tavrel"
mkfifo "$work/xdg/Tavrel/$(basename "$app").conf"
XDG_CONFIG_DIRS="$work/xdg" "$app" >"$work/first.log" 2>&1 &
first=$!
pids+=("$first")
form=$(input_form 20) || fail "the input form did not appear"

step "without a window manager: Back in the restored frame, then Alt+G at once"
type_name "$form" anna
xdotool key alt+g
frame=$(frame_window 10) || fail "Alt+G showed no reading"
[ -n "$shots" ] && import -window root "$shots/restored.png"
click_back "$frame"
form=$(input_form 10) || fail "Back did not bring the input form back"
wait_until '[ "$(xdotool getwindowfocus 2>/dev/null)" = "$form" ]' 10 ||
    fail "the input form did not get the keyboard back"
xdotool key alt+g
frame=$(frame_window 10) || fail "Alt+G right after Back showed no reading"
click_exit "$frame"
wait_exit "$first" 10 || fail "Exit in the restored frame did not end the program"

step "under openbox, beside a dock: the frame maximized, Exit"
"$dock_app" 120 &
pids+=("$!")
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=("$!")
wait_until 'xprop -root _NET_WORKAREA 2>/dev/null | grep -q "= 120, 0, 1160, 1024"' 20 ||
    fail "openbox did not keep the dock's strip free"
"$app" >"$work/second.log" 2>&1 &
second=$!
pids+=("$second")
form=$(input_form 20) || fail "the input form did not appear under openbox"
type_name "$form" bo
xdotool key alt+g
frame=$(frame_window 10) || fail "Alt+G showed no reading under openbox"
wait_until 'inside "$frame"; [ "$X" -eq 120 ] && [ "$WIDTH" -eq 1160 ] && [ $((Y + HEIGHT)) -eq 1024 ]' 10 ||
    fail "the frame was not maximized beside the dock (at $X,$Y, ${WIDTH}x$HEIGHT)"
[ -n "$shots" ] && import -window root "$shots/beside-dock.png"
click_exit "$frame"
wait_exit "$second" 10 || fail "Exit beside the dock did not end the program"
echo "PASS"
