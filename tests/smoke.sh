#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the built program as a person uses it, with real key presses and clicks (xdotool), on one of three
# platforms: a private X server (Xvfb); a private Wayland compositor (weston, its X11 back end inside the Xvfb, so
# that the key presses and clicks reach the program through the compositor's seat) with the program on Qt's
# Wayland platform; or the same compositor's X server for X programs (XWayland), the program on X11.
#  - the input form appears and holds the keyboard; a second copy says "Application is already running" and ends
#    after OK, leaving the first and the settings alone, five times over;
#  - a name is typed and a date picked, the reading button clicked: the frame shows the reading of that date's
#    sign; each of the three tabs is clicked; a sphere of the diagram is explained when the mouse is over it; the
#    screenshot is not blank; Back (Alt+B) shows the input form with its entries;
#  - another month is picked and Alt+G shows that sign's reading; Back by its button;
#  - the File and Help menus open by their access keys; Help's About box opens and closes with OK;
#  - File's Exit ends the program with status 0, and its log holds no warning;
#  - natively on Wayland, the clipboard guard beside another Wayland program (wl-copy, wl-paste): the text it
#    copied survives a reading and mouse moves over the descriptions, a word this program copied does not;
#  - a copy killed with SIGKILL leaves no lock behind that refuses the next start, which Alt+E ends.
# Before each input it waits, with a deadline, for what the screen shows (read through the accessibility bus, as
# a screen reader reads it); a failure keeps its evidence in test-output/ of the build folder and names it.
# Usage: tests/smoke.sh [--wayland | --xwayland] PROGRAM [SCREENSHOT-DIR]
set -euo pipefail

platform=xcb
launch=() # the command that starts a program: on Wayland, set by start_weston
case "${1:-}" in
--wayland) platform=wayland; shift ;;
--xwayland) platform=xwayland; shift ;;
esac
app="$1"
: "${TAVREL_TITLE:?the window title, set by CTest}"
shots="${2:-}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
[ "$platform" = xcb ] || xvfb_screen=1280x1048x24 # room for the pointer below the compositor's screen
. "$here/xtest-common.sh"
start_accessibility_bus
[ "$platform" = xcb ] || start_weston "$platform"
trace "platform: $platform"

# What each program still running showed at the moment of failure, as a screen reader reads it.
accessible_evidence() {
    local p
    for p in "${pids[@]}"; do
        kill -0 "$p" 2>/dev/null && timeout 20 "$here/accessible.py" "$p" dump >"$out/failure-accessible-$p.txt" 2>&1
    done
    return 0
}
evidence_hooks+=(accessible_evidence)

# Waits up to $2 seconds until process $1 shows what the conditions (tests/accessible.py) say.
seen() {
    local pid="$1" seconds="$2"
    shift 2
    if seen_last=$("$here/accessible.py" "$pid" wait "$seconds" "$@" 2>&1); then
        trace "seen: $*"
        return 0
    fi
    trace "not seen in $seconds s: $* ($seen_last)"
    return 1
}
# The same, or the leg fails saying what was awaited ($3) and what was seen.
expect() {
    local pid="$1" seconds="$2" what="$3"
    shift 3
    seen "$pid" "$seconds" "$@" || fail "$what: not within $seconds s ($seen_last)"
}
# Sets PX and PY to the middle of the object named $2 in the windows of process $1, in screen pixels.
locate() {
    local where
    where=$("$here/accessible.py" "$1" where "$2") || fail "$2 is not shown"
    local x y w h title ww wh sx sy
    read -r x y w h ww wh sx sy title <<<"$where"
    if [ "$platform" = xcb ]; then
        PX=$((sx + w / 2)) PY=$((sy + h / 2))
    else
        client_origin "$title" "$ww" "$wh" || fail "no window '$title' of $ww x $wh in the compositor"
        PX=$((OX + x + w / 2)) PY=$((OY + y + h / 2))
    fi
}
click_on() {
    locate "$1" "$2"
    trace "click on $2 at $PX,$PY"
    xdotool mousemove "$PX" "$PY" click 1
}
point_at() {
    locate "$1" "$2"
    trace "the mouse on $2 at $PX,$PY"
    xdotool mousemove "$PX" "$PY"
}
key() {
    trace "keys: $*"
    xdotool key --delay 50 "$@"
}
shot() {
    import -window root "$out/$1.png"
    local colours
    colours=$(convert "$out/$1.png" -format '%k' info:)
    [ "$colours" -gt 50 ] || fail "the screenshot $1.png is nearly blank ($colours colours)"
    [ -z "$shots" ] || cp "$out/$1.png" "$shots/$1.png"
}
# Waits until the window titled $2 of process $1 is shown and holds the keyboard. Without a window manager (the
# bare X server) nothing gives a new window the keyboard: the test does what the window manager would.
window_ready() {
    local pid="$1" title="$2" what="$3"
    expect "$pid" 20 "$what" "window=$title"
    if [ "$platform" = xcb ]; then
        local w
        w=$(xdotool search --onlyvisible --pid "$pid" --name "^$title\$" | tail -n 1) || fail "$what: no X window"
        xdotool windowfocus --sync "$w"
        wait_focus "$w" 10 || fail "$what: the window does not get the keyboard"
    fi
    expect "$pid" 10 "$what, holding the keyboard" "active=$title"
}
# What another Wayland program pastes from the clipboard (wl-paste), or "(empty)".
pasted() { timeout 10 wl-paste --no-newline 2>>"$out/wl-paste.log" || echo "(empty)"; }
clipboard_holds() { [ "$(pasted)" = "$1" ]; }
clipboard_empty() { clipboard_holds "(empty)" || clipboard_holds ""; }
start() {
    "${launch[@]}" "$app" >"$out/$1.log" 2>&1 &
    started=$!
    pids+=("$started")
    trace "started $1: process $started"
}

form="$TAVREL_TITLE"
name_box="text:Name"
step "start"
start first
first=$started
window_ready "$first" "$form" "the input form"
expect "$first" 10 "the name box with the keyboard focus" "focused=$name_box"
shot input-form

step "a second copy is refused, five times"
# (a copy refused at once after its message, several times: ending can hang right after the only window closed)
settings_before=$(find "$XDG_CONFIG_HOME" -type f -exec md5sum {} + | sort; find "$XDG_CONFIG_HOME" | sort)
for copy in 1 2 3 4 5; do
    start "second-$copy"
    second=$started
    window_ready "$second" Tavrel "the message 'Application is already running' ($copy)"
    expect "$second" 5 "the message's text" "name=label:Application is already running"
    key Return
    status=0
    wait_exit "$second" 10 || status=$?
    [ "$status" -eq 0 ] || fail "copy $copy after the first did not end with status 0 after OK ($status)"
done
kill -0 "$first" 2>/dev/null || fail "the first copy ended"
settings_after=$(find "$XDG_CONFIG_HOME" -type f -exec md5sum {} + | sort; find "$XDG_CONFIG_HOME" | sort)
[ "$settings_before" = "$settings_after" ] || fail "the copies refused touched the settings"

step "a name and a date"
window_ready "$first" "$form" "the input form after the second copy"
click_on "$first" "$name_box"
expect "$first" 10 "the name box with the keyboard focus" "focused=$name_box"
trace "types: anna"
xdotool type --delay 50 anna
expect "$first" 10 "the name typed" "text=$name_box=ANNA"
key Tab
expect "$first" 10 "the day list with the keyboard focus" "focused=combo box:1"
key Down Down Down Down
expect "$first" 10 "day 5" "focused=combo box:5"
key Tab
expect "$first" 10 "the month list with the keyboard focus" "focused=combo box:January"
key Down Down
expect "$first" 10 "March" "focused=combo box:March"
if [ "$platform" = wayland ]; then
    step "another Wayland program copies"
    wl-copy --foreground "copied elsewhere" >"$out/wl-copy.log" 2>&1 &
    pids+=("$!")
    wait_until 10 "another program's text in the clipboard" clipboard_holds "copied elsewhere" ||
        fail "wl-copy's text is not in the clipboard: '$(pasted)'"
    window_ready "$first" "$form" "the input form after the other program copied"
fi

step "the reading, by a click"
click_on "$first" "push button:Get My Tavrel Reading"
pisces_tab="page tab:Attributes Of Sephiroths  Associated With Your Sun Sign"
expect "$first" 20 "the frame with the reading" "showing=$pisces_tab" "!showing=$name_box"
if [ "$platform" = xcb ]; then
    # Nothing maximizes the frame without a window manager: do what the window manager would.
    frame=$(frame_window 10) || fail "the frame is not an X window wider than the input form"
    xdotool windowmove --sync "$frame" 0 0 windowsize --sync "$frame" "$screen_w" "$screen_h"
fi
window_ready "$first" "$form" "the frame"
expect "$first" 10 "the reading for 5 March (Pisces)" "showing=Tarot card: The Moon" \
    "showing=label:First sphere: Netzach"
point_at "$first" "text:About Netzach" # a box whose text cannot be copied
for tab in "page tab:Attributes Of The Path  Associated with Your Sun Sign" \
    "page tab:About Your Sun Sign And Sephiroths " "$pisces_tab"; do
    click_on "$first" "$tab"
    expect "$first" 10 "the tab ${tab#page tab:}" "showing=page tab list:${tab#page tab:}"
done
click_on "$first" "page tab:About Your Sun Sign And Sephiroths "
expect "$first" 10 "the third tab" "showing=page tab list:About Your Sun Sign And Sephiroths "
point_at "$first" "push button:Tiphereth"
expect "$first" 10 "Tiphereth explained under the mouse" "showing=label:Sphere: Tiphereth"
shot reading
if [ "$platform" = wayland ]; then
    # The moves above have been handled: what another program copied is still there.
    clipboard_holds "copied elsewhere" ||
        fail "another program's copied text did not survive a reading and a mouse move (the clipboard: '$(pasted)')"
    window_ready "$first" "$form" "the frame after the other program pasted"
    step "this program copies"
    path_tab="page tab:Attributes Of The Path  Associated with Your Sun Sign"
    click_on "$first" "$path_tab"
    expect "$first" 10 "the tab ${path_tab#page tab:}" "showing=page tab list:${path_tab#page tab:}"
    locate "$first" "text:About the path" # a box whose text can be copied: a word of it
    trace "double click at $PX,$PY"
    xdotool mousemove "$PX" "$PY" click --repeat 2 --delay 80 1
    key ctrl+c
    wait_until 10 "this program's text in the clipboard" \
        eval '! clipboard_holds "copied elsewhere" && ! clipboard_holds "(empty)"' ||
        fail "the word copied is not in the clipboard: '$(pasted)'"
    window_ready "$first" "$form" "the frame after the other program pasted"
fi

step "Back, by its access key"
key alt+b
window_ready "$first" "$form" "the input form after Back"
expect "$first" 10 "the input form with its entries" "text=$name_box=ANNA" "showing=combo box:March"

step "another reading, by its access key"
click_on "$first" "combo box:March"
# (the list opens on a click: the next month is picked by the keyboard)
expect "$first" 10 "the month list's items" "showing=list item:April"
key Down Return
expect "$first" 10 "April" "showing=combo box:April"
key alt+g
expect "$first" 20 "the frame with the second reading" "showing=$pisces_tab" "!showing=$name_box"
if [ "$platform" = xcb ]; then
    frame=$(frame_window 10) || fail "the frame is not an X window wider than the input form"
    xdotool windowmove --sync "$frame" 0 0 windowsize --sync "$frame" "$screen_w" "$screen_h"
fi
window_ready "$first" "$form" "the frame of the second reading"
expect "$first" 10 "the reading for 5 April (Aries)" "showing=Tarot card: The Emperor"
if [ "$platform" = wayland ]; then
    point_at "$first" "text:About Chokmah"
    wait_until 10 "this program's copied text gone" clipboard_empty ||
        fail "the text this program copied stayed through a reading and a mouse move (the clipboard: '$(pasted)')"
    window_ready "$first" "$form" "the frame after the other program pasted"
fi
shot second-reading
click_on "$first" "push button:Back"
window_ready "$first" "$form" "the input form after the Back button"

step "the File and Help menus, the About box"
key alt+f
expect "$first" 10 "the File menu" "showing=menu item:Exit"
key Escape
expect "$first" 10 "the File menu closed" "!showing=menu item:Exit"
key alt+h
expect "$first" 10 "the Help menu" "showing=menu item:About Software"
key a
expect "$first" 10 "the About box, its OK button holding the keyboard" "focused=push button:OK"
shot about-box
key Return
expect "$first" 10 "the About box closed" "!showing=push button:OK"

step "Exit, from the File menu"
window_ready "$first" "$form" "the input form after the About box"
key alt+f
expect "$first" 10 "the File menu" "showing=menu item:Exit"
key x
status=0
wait_exit "$first" 10 || status=$?
[ "$status" -eq 0 ] || fail "Exit ended the program with status $status"
# Qt's warnings, and ours, name the class or the category they come from; the log stays empty.
if grep -v '^$' "$out/first.log" >"$work/warnings"; then
    fail "the program's log holds warnings: $(head -n 3 "$work/warnings" | tr '\n' ' ')"
fi

step "a killed copy leaves no lock behind"
start third
third=$started
window_ready "$third" "$form" "the input form"
kill -9 "$third"
wait "$third" 2>/dev/null || true
start fourth
fourth=$started
window_ready "$fourth" "$form" "the input form after a killed copy"
seen "$fourth" 1 "window=Tavrel" && fail "the start after a killed copy said it was running"
key alt+e
status=0
wait_exit "$fourth" 10 || status=$?
[ "$status" -eq 0 ] || fail "Alt+E ended the program with status $status"

echo "smoke ($platform): $steps passed, 0 failed"
