#!/usr/bin/env bash
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
# Everything it starts ends with it: the programs and the Wine server of its prefix, and its X server. Nothing
# outside its temporary folder is touched (no other Wine prefix, no settings, no desktop menus).
# Usage: tests/windows/wine.sh WINDOWS-BUILD-DIR SCRAMBLE-PROGRAM [SCREENSHOT-DIR]
set -euo pipefail

build="$1"
scramble="$2"
shots="${3:-}"
: "${TAVREL_TITLE:?the window title, set by CTest}" "${TAVREL_VERSION:?the version, set by CTest}"
setup="$build/Tavrel-$TAVREL_VERSION-setup.exe"
if [ ! -f "$setup" ]; then
    echo "FAIL: there is no $setup: scripts/windows.sh makes it" >&2
    exit 1
fi
wine="$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)"
export WINESERVER="$(command -v wineserver || echo /usr/lib/wine/wineserver)"

work="$(mktemp -d)"
. "$(dirname "${BASH_SOURCE[0]}")/../xtest-common.sh"
export WINEPREFIX="$work/wine" WINEARCH=win64 WINEDEBUG=-all
unset QT_QPA_PLATFORM # the program is a Windows one: Qt's windows platform
# No desktop menu entries, no offers to install .NET or a web engine; the user's folders of the prefix are linked
# to a home of the test's own.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
wine_cleanup() {
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
    cleanup
}
trap wine_cleanup EXIT

# The data of value $2 of registry key $1 (empty when missing); fails when the key is missing.
reg_value() {
    local out
    out=$("$wine" reg query "$1" 2>/dev/null | tr -d '\r') || return 1
    sed -n "s/^    $2    REG_[A-Z_]*    //p" <<<"$out"
}
reg_values() { "$wine" reg query "$1" 2>/dev/null | tr -d '\r' | grep -c '^    ' || true; }

click() { xdotool mousemove "$1" "$2" sleep 0.2 click 1; }
# Sets CX and CY to the top left corner of the input form's client area below its menu (7440 x 5295 twips).
form_origin() {
    eval "$(geometry "$1")"
    local border=$(((WIDTH - 496) / 2))
    CX=$((X + border))
    CY=$((Y + HEIGHT - border - 353))
}
start_tavrel() { (cd "$instdir" && exec "$wine" tavrel.exe) >"$work/$1.log" 2>&1 & }

step "a Wine prefix of the test's own"
"$wine" wineboot --init >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log"; fail "wineboot"; }
"$WINESERVER" -w

step "1. the installer installs silently, and again over the first install"
user="$(id -un)"
instdir="$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs/Tavrel"
menu_link="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tavrel.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrel'
for round in first second; do
    "$wine" "$setup" /S >"$work/setup-$round.log" 2>&1 || fail "the installer ended with $? ($round run)"
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
form=$(input_form 90) || { cat "$work/first.log"; fail "the input form did not appear"; }
sleep 1
form_origin "$form"
[ -n "$shots" ] && import -window root "$shots/wine-input-form.png"
click $((CX + 300)) $((CY + 156)) # the name box
xdotool type --delay 50 "anna"
xdotool key --delay 100 Tab Down Down Down Down Tab Down Down # day 5, March
click $((CX + 248)) $((CY + 253)) # Get My Tavrel Reading
frame=$(frame_window 20) || fail "the frame with the reading did not appear"
# Without a window manager nothing maximizes the frame: do what the window manager would.
xdotool windowmove "$frame" 0 0 windowsize "$frame" "$screen_w" "$screen_h"
sleep 1
import -window root "$work/reading.png"
colours=$(convert "$work/reading.png" -format '%k' info:)
[ "$colours" -gt 50 ] || fail "the screenshot of the reading is nearly blank ($colours colours)"
[ -n "$shots" ] && cp "$work/reading.png" "$shots/wine-reading.png"
xdotool key alt+b
form=$(input_form 10) || fail "Back did not bring the input form back"

step "3. a second copy is refused"
start_tavrel second
second=$!; pids+=("$second")
box=$(wait_windows '^Tavrel$' 60 | head -n 1) || fail "no 'already running' message"
[ -n "$shots" ] && import -window root "$shots/wine-second-copy.png"
xdotool mousemove --window "$box" 40 40 sleep 0.3 key Return
wait_exit "$second" 20 || fail "the second copy did not end after OK"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"
"$wine" taskkill /F /IM tavrel.exe >"$work/taskkill.log" 2>&1 || fail "taskkill ended with $?"
wait_exit "$first" 20 || true
kill -0 "$first" 2>/dev/null && fail "taskkill left the first copy running"
start_tavrel third
first=$!; pids+=("$first")
form=$(input_form 60) || { cat "$work/third.log"; fail "the start after a killed copy showed no input form"; }
xdotool search --onlyvisible --name '^Tavrel$' >/dev/null 2>&1 && fail "the start after a killed copy said it was running"

step "4. the reminder's setting in the registry, scrambled"
settings_key='HKCU\Software\Tavrel\tavrel\Settings'
{ read -r entry; read -r today; } < <("$scramble" Duration "$(date +%F)")
[ "$(reg_values "$settings_key")" -eq 1 ] || fail "not one value under $settings_key"
[ "$(reg_value "$settings_key" "$entry")" = "$today" ] || fail "no scrambled date under the scrambled entry name"

step "5. Exit, and the uninstaller"
form_origin "$form"
click $((CX + 456)) $((CY + 324)) # Exit, in the bottom strip
status=0
wait_exit "$first" 20 || status=$?
[ "$status" -eq 0 ] || fail "Exit ended the program with $status"
"$wine" "$instdir/Uninstall Tavrel.exe" /S >"$work/uninstall.log" 2>&1 || fail "the uninstaller ended with $?"
for _ in $(seq 300); do [ -e "$instdir" ] || break; sleep 0.1; done # it runs on from a copy of itself
"$WINESERVER" -w
[ ! -e "$instdir" ] || fail "the uninstaller left $(ls "$instdir" | tr '\n' ' ')"
[ ! -e "$menu_link" ] || fail "the uninstaller left the Start menu entry"
reg_value "$uninstall_key" DisplayName >/dev/null && fail "the uninstaller left the registration"
[ "$(reg_value "$settings_key" "$entry")" = "$today" ] || fail "the uninstaller removed the setting unasked"

. "$(dirname "${BASH_SOURCE[0]}")/wine-details.sh"
echo "wine: 9 passed, 0 failed"
