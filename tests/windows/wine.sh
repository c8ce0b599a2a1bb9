#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program as a Windows user gets it: its installer run under Wine, in a Wine prefix and an X server of
# this test's own, and the installed program used with real X input (xdotool):
#  1. the installer runs silently and installs (and runs again over it, updating in place); the installed
#     tavrel.exe, which needs no DLL beside it, starts from its folder;
#  2. the input form appears, a name is typed and a date picked, the reading button pressed; the frame with the
#     reading appears, and a screenshot of it is not blank;
#  3. a second copy is refused with its message and leaves the first running; after the first is killed
#     (taskkill /F), the next start shows the input form;
#  4. the reminder's setting is in the registry under the current user, scrambled;
#  5. Exit ends the program with exit code 0; the uninstaller removes the files and the registration, and keeps
#     the setting;
#  6.-9. what a careful user meets besides: one install per computer, the focus after a reading, manifest, licence
#     and signatures, the portable zip (wine-details.sh).
# Before each input it waits, with a deadline, for what the screen shows: the window mapped and holding the
# keyboard, the name typed into its box, the frame, the message box. A failure keeps its evidence (the steps, the
# logs of the programs and of Wine, a screenshot) in test-output/ of the build folder and names it.
# Everything it starts ends with it: the programs and the Wine server of its prefix, and its X server. Nothing
# outside its temporary folder is touched (no other Wine prefix, no settings, no desktop menus).
# Usage: tests/windows/wine.sh WINDOWS-BUILD-DIR SCRAMBLE-PROGRAM [SCREENSHOT-DIR]
set -euo pipefail

build="$1"
scramble="$2"
shots="${3:-}"
: "${TAVREL_TITLE:?the window title, set by CTest}" "${TAVREL_VERSION:?the version, set by CTest}"
setup="$build/Tavrel-$TAVREL_VERSION-setup.exe"
wine="$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)"
export WINESERVER="$(command -v wineserver || echo /usr/lib/wine/wineserver)"

work="$(mktemp -d)"
. "$(dirname "${BASH_SOURCE[0]}")/../xtest-common.sh"
[ -f "$setup" ] || fail "there is no $setup: scripts/windows.sh makes it"
export WINEPREFIX="$work/wine" WINEARCH=win64 WINEDEBUG=-all
unset QT_QPA_PLATFORM # the program is a Windows one: Qt's windows platform
# No desktop menu entries, no offers to install .NET or a web engine; the user's folders of the prefix are linked
# to a home of the test's own.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
stop_wine() {
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
}
teardown_hooks+=(stop_wine)

# The data of value $2 of registry key $1 (empty when missing); fails when the key is missing.
reg_value() {
    local out
    out=$("$wine" reg query "$1" 2>/dev/null | tr -d '\r') || return 1
    sed -n "s/^    $2    REG_[A-Z_]*    //p" <<<"$out"
}
reg_values() { "$wine" reg query "$1" 2>/dev/null | tr -d '\r' | grep -c '^    ' || true; }

click() {
    trace "click at $1,$2"
    xdotool mousemove "$1" "$2" click 1
}
# Waits until the window $1 is shown and holds the keyboard ($2 says which window). Without a window manager
# nothing gives a new window the keyboard: the test does what the window manager would.
window_ready() {
    xdotool windowfocus --sync "$1" 2>>"$out/tools.log" || true
    wait_focus "$1" 20 || fail "$2 does not get the keyboard"
}
# The number of dark pixels on the screen in the rectangle $1 (WIDTHxHEIGHT+X+Y): the text drawn there.
dark_pixels() {
    import -window root -crop "$1" png:- 2>/dev/null |
        convert - -colorspace Gray -threshold 50% -format '%[fx:round(w*h*(1-mean))]' info:
}
# Whether the name box of the input form whose client area is at CX, CY shows a name (more than the caret).
name_shown() { [ "$(dark_pixels "233x19+$((CX + 188))+$((CY + 147))")" -gt 40 ]; }
# Sets CX and CY to the top left corner of the input form's client area below its menu (7440 x 5295 twips).
form_origin() {
    eval "$(geometry "$1")"
    local border=$(((WIDTH - 496) / 2))
    CX=$((X + border))
    CY=$((Y + HEIGHT - border - 353))
}
start_tavrel() {
    (cd "$instdir" && exec "$wine" tavrel.exe) >"$out/$1.log" 2>&1 &
    trace "started $1: process $!"
}

step "a Wine prefix of the test's own"
"$wine" wineboot --init >"$out/wineboot.log" 2>&1 || fail "wineboot ended with $? (wineboot.log)"
"$WINESERVER" -w

step "1. the installer installs silently, and again over the first install"
user="$(id -un)"
instdir="$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs/Tavrel"
menu_link="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tavrel.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrel'
for round in first second; do
    "$wine" "$setup" /S >"$out/setup-$round.log" 2>&1 || fail "the installer ended with $? ($round run, setup-$round.log)"
    [ "$(ls "$instdir")" = "$(printf 'LICENSE.txt\nTHIRD-PARTY-NOTICES.txt\nUninstall Tavrel.exe\ntavrel.exe')" ] ||
        fail "the program folder holds: $(ls "$instdir" | tr '\n' ' ')"
done
[ -f "$menu_link" ] || fail "no Start menu entry"
[ -z "$(find "$WINEPREFIX/drive_c" -name 'Tavrel.lnk' ! -path "$menu_link")" ] || fail "a shortcut beside the Start menu's"
[ "$(reg_value "$uninstall_key" DisplayVersion)" = "$TAVREL_VERSION" ] || fail "the registration names no version $TAVREL_VERSION"
[ "$(reg_value "$uninstall_key" Publisher)" = "The Tavrel developers" ] || fail "the registration names no publisher"
reg_value "$uninstall_key" DisplayIcon | grep -q 'tavrel.exe,0$' || fail "the registration has no icon"
[ "$(reg_value "$uninstall_key" EstimatedSize)" != "" ] || fail "the registration has no size"
reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrel' DisplayName >/dev/null &&
    fail "a per-user install registered itself for the whole machine"
imports=$(x86_64-w64-mingw32-objdump -p "$instdir/tavrel.exe" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')
echo "tavrel.exe imports: $imports"
grep -qiE 'qt6|libgcc|libstdc|winpthread' <<<"$imports" && fail "tavrel.exe needs DLLs beside it: $imports"

step "2. a reading"
start_tavrel first
first=$!; pids+=("$first")
form=$(input_form 90) || fail "the input form did not appear (first.log)"
window_ready "$form" "the input form"
form_origin "$form"
# (a window not yet drawn is black: the white name box shows that it is)
wait_until 20 "the empty name box drawn" eval '! name_shown' || fail "the input form shows no empty name box"
[ -z "$shots" ] || import -window root "$shots/wine-input-form.png"
click $((CX + 300)) $((CY + 156)) # the name box
trace "types: anna"
xdotool type --delay 50 "anna"
wait_until 10 "the name in its box" name_shown || fail "the name box does not show the name typed"
trace "keys: Tab Down Down Down Down Tab Down Down"
xdotool key --delay 100 Tab Down Down Down Down Tab Down Down # day 5, March
click $((CX + 248)) $((CY + 253)) # Get My Tavrel Reading
frame=$(frame_window 20) || fail "the frame with the reading did not appear"
# Without a window manager nothing maximizes the frame: do what the window manager would.
xdotool windowmove --sync "$frame" 0 0 windowsize --sync "$frame" "$screen_w" "$screen_h"
window_ready "$frame" "the frame"
# (a window not yet drawn is black)
reading_drawn() {
    import -window root "$out/reading.png"
    colours=$(convert "$out/reading.png" -format '%k' info:)
    [ "$colours" -gt 50 ]
}
wait_until 20 "the reading drawn" reading_drawn || fail "the screenshot of the reading is nearly blank ($colours colours)"
[ -z "$shots" ] || cp "$out/reading.png" "$shots/wine-reading.png"
trace "keys: alt+b"
xdotool key alt+b
form=$(input_form 10) || fail "Back did not bring the input form back"

step "3. a second copy is refused"
start_tavrel second
second=$!; pids+=("$second")
box=$(wait_windows '^Tavrel$' 60 | head -n 1) || fail "no 'already running' message (second.log)"
window_ready "$box" "the message 'Application is already running'"
[ -z "$shots" ] || import -window root "$shots/wine-second-copy.png"
trace "keys: Return"
xdotool key Return
wait_exit "$second" 20 || fail "the second copy did not end after OK"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"
"$wine" taskkill /F /IM tavrel.exe >"$out/taskkill.log" 2>&1 || fail "taskkill ended with $? (taskkill.log)"
wait_exit "$first" 20 || true
kill -0 "$first" 2>/dev/null && fail "taskkill left the first copy running"
start_tavrel third
first=$!; pids+=("$first")
form=$(input_form 60) || fail "the start after a killed copy showed no input form (third.log)"
xdotool search --onlyvisible --name '^Tavrel$' >/dev/null 2>&1 && fail "the start after a killed copy said it was running"

step "4. the reminder's setting in the registry, scrambled"
settings_key='HKCU\Software\Tavrel\tavrel\Settings'
{ read -r entry; read -r today; } < <("$scramble" Duration "$(date +%F)")
[ "$(reg_values "$settings_key")" -eq 1 ] || fail "not one value under $settings_key"
[ "$(reg_value "$settings_key" "$entry")" = "$today" ] || fail "no scrambled date under the scrambled entry name"

step "5. Exit, and the uninstaller"
window_ready "$form" "the input form"
form_origin "$form"
click $((CX + 456)) $((CY + 324)) # Exit, in the bottom strip
status=0
wait_exit "$first" 20 || status=$?
[ "$status" -eq 0 ] || fail "Exit ended the program with $status"
"$wine" "$instdir/Uninstall Tavrel.exe" /S >"$out/uninstall.log" 2>&1 || fail "the uninstaller ended with $? (uninstall.log)"
wait_until 30 "the program folder removed" test ! -e "$instdir" || true # it runs on from a copy of itself
"$WINESERVER" -w
[ ! -e "$instdir" ] || fail "the uninstaller left $(ls "$instdir" | tr '\n' ' ')"
[ ! -e "$menu_link" ] || fail "the uninstaller left the Start menu entry"
reg_value "$uninstall_key" DisplayName >/dev/null && fail "the uninstaller left the registration"
[ "$(reg_value "$settings_key" "$entry")" = "$today" ] || fail "the uninstaller removed the setting unasked"

. "$(dirname "${BASH_SOURCE[0]}")/wine-details.sh"
echo "wine: 9 passed, 0 failed"
