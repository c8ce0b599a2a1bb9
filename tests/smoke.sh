#!/usr/bin/env bash
# Runs the built program in a real X server (Xvfb) and uses it with real X input (xdotool):
#  - the input form appears;
#  - a second copy says "Application is already running" and ends after OK, leaving the first alone;
#  - a name is typed and the reading button clicked; the frame with the reading appears; a screenshot of it is
#    not blank; the Exit button ends the program;
#  - a copy killed with SIGKILL leaves no lock behind that refuses the next start.
# Usage: tests/smoke.sh PROGRAM [SCREENSHOT-DIR]
set -euo pipefail

app="$1"
: "${TAVREL_TITLE:?the window title, set by CTest}"
shots="${2:-}"
work="$(mktemp -d)"
. "$(dirname "${BASH_SOURCE[0]}")/xtest-common.sh"

click() { xdotool mousemove "$1" "$2" sleep 0.1 click 1; }

step "start"
"$app" >"$work/first.log" 2>&1 &
first=$!; pids+=("$first")
form=$(input_form 20) || fail "the input form did not appear"
eval "$(geometry "$form")"
menu=$((HEIGHT - 353)) # the menu bar above the form's 7440 x 5295 twips
[ -n "$shots" ] && import -window "$form" "$shots/input-form.png"

step "a second copy is refused"
settings_before=$(find "$XDG_CONFIG_HOME" -type f -exec md5sum {} + | sort; find "$XDG_CONFIG_HOME" | sort)
"$app" >"$work/second.log" 2>&1 &
second=$!; pids+=("$second")
box=$(wait_windows '^Tavrel$' 20 | head -n 1) || fail "no 'already running' message"
xdotool mousemove --window "$box" 10 10 sleep 0.2 key Return
wait_exit "$second" 10 || fail "the second copy did not end after OK"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"
[ "$(xdotool search --onlyvisible --name "^$TAVREL_TITLE$" | wc -l)" -eq 1 ] || fail "the second copy showed a window"
settings_after=$(find "$XDG_CONFIG_HOME" -type f -exec md5sum {} + | sort; find "$XDG_CONFIG_HOME" | sort)
[ "$settings_before" = "$settings_after" ] || fail "the second copy touched the settings"

step "a reading"
eval "$(geometry "$form")"
click $((X + 300)) $((Y + menu + 160)) # the name box
xdotool type --delay 30 "anna"
click $((X + 248)) $((Y + menu + 253)) # Get My Tavrel Reading
frame=$(frame_window 10) || fail "the frame with the reading did not appear"
# Without a window manager nothing maximizes the frame: do what the window manager would.
xdotool windowmove "$frame" 0 0 windowsize "$frame" "$screen_w" "$screen_h"
sleep 0.5
import -window root "$work/reading.png"
colours=$(convert "$work/reading.png" -format '%k' info:)
[ "$colours" -gt 50 ] || fail "the screenshot of the reading is nearly blank ($colours colours)"
[ -n "$shots" ] && cp "$work/reading.png" "$shots/reading.png"

step "Exit"
click $((screen_w - 2 - 45)) $((screen_h - 25)) # the Exit button at the right end of the bottom strip
wait_exit "$first" 10 || fail "Exit did not end the program"

step "a killed copy leaves no lock behind"
"$app" >"$work/third.log" 2>&1 &
third=$!; pids+=("$third")
input_form 20 >/dev/null || { cat "$work/third.log"; fail "the input form did not appear"; }
kill -9 "$third"
wait "$third" 2>/dev/null || true
"$app" >"$work/fourth.log" 2>&1 &
fourth=$!; pids+=("$fourth")
form=$(input_form 20) || fail "the start after a killed copy was refused"
xdotool search --onlyvisible --name '^Tavrel$' >/dev/null 2>&1 && fail "the start after a killed copy said it was running"
step "keyboard only: the access keys of the reading, Back and Exit"
eval "$(geometry "$form")"
sleep 0.5
click $((X + 300)) $((Y + menu + 160)) # the name box; keyboard focus follows the pointer without a window manager
xdotool type --delay 30 "bo"
xdotool key alt+g
frame=$(frame_window 10) || fail "Alt+G showed no reading"
eval "$(geometry "$frame")"
click $((X + 20)) $((Y + 60)) # the software-name strip, so that the frame has the keyboard
xdotool key alt+b
form=$(input_form 10) || fail "Alt+B did not bring the input form back"
eval "$(geometry "$form")"
click $((X + 300)) $((Y + menu + 160)) # the name box, which keeps its text
xdotool key alt+e
wait_exit "$fourth" 10 || fail "Alt+E on the input form did not end the program"

echo "smoke: 6 passed, 0 failed"
