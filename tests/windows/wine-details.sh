# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What a careful Windows user meets besides the round of wine.sh, which sources this file at its end, with the
# program uninstalled and the Wine prefix, X server and helpers of wine.sh at hand:
#  6. one install per computer: a silent install for the user, for everyone (/AllUsers) over it, a plain /S over
#     that, and back (/CurrentUser), each leaving one install, registered with its details and an App Paths entry;
#     a newer install is not replaced unasked; an update keeps the desktop shortcut; a folder of one's own (/D)
#     goes with the uninstaller together with the folders above it that the installer made;
#  7. after a reading (Alt+G) the focus is in the result window: Ctrl+Tab switches tabs at once, and Space does not
#     end the program;
#  8. the installed tavrel.exe carries its manifest and is marked for terminal services, the uninstaller has its
#     own description, the licence and the third-party notices are installed; a build with a throw-away
#     certificate signs tavrel.exe, the installer and the uninstaller;
#  9. the portable zip holds the program, a read-me, the licences and tavrel.ini, in which the program keeps its
#     setting; with tavrel.ini read-only the setting goes to the registry instead.

src="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
machine_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrel'
machine_dir="$WINEPREFIX/drive_c/Program Files/Tavrel"
machine_link="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tavrel.lnk"
desktop_link="$WINEPREFIX/drive_c/users/$user/Desktop/Tavrel.lnk"
win_instdir="C:\\users\\$user\\AppData\\Local\\Programs\\Tavrel"
details_log="$work/setup-details.log"

# Runs the command after $1 until it succeeds, for up to $1 seconds.
within() {
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < end)) || return 1
        sleep 0.1
    done
}
# Fails with the end of the installers' log.
fail_setup() {
    tail -n 20 "$details_log" >&2
    fail "$@"
}
registered() { [ -n "$(reg_value "$1" DisplayName 2>/dev/null)" ]; }
setup_run() {
    echo "== setup $*" >>"$details_log"
    "$wine" "$setup" "$@" >>"$details_log" 2>&1
}
# True when the one install there is is for the current user ($1 = user) or for everyone ($1 = machine).
only_install() {
    local mine="$uninstall_key" mine_dir="$instdir" mine_link="$menu_link"
    local other="$machine_key" other_dir="$machine_dir" other_link="$machine_link"
    if [ "$1" = machine ]; then
        mine="$machine_key" mine_dir="$machine_dir" mine_link="$machine_link"
        other="$uninstall_key" other_dir="$instdir" other_link="$menu_link"
    fi
    registered "$mine" && ! registered "$other" && [ -f "$mine_dir/tavrel.exe" ] && [ ! -e "$other_dir" ] &&
        [ -f "$mine_link" ] && [ ! -e "$other_link" ] &&
        [ "$(reg_value "$mine" DisplayVersion)" = "$TAVREL_VERSION" ]
}
# Runs the uninstaller of the install in $1 silently and waits until the install and its registration are gone
# (the uninstaller goes on from a copy of itself).
uninstall_from() {
    local dir="$1"
    "$wine" "$dir/Uninstall Tavrel.exe" /S >>"$details_log" 2>&1 || fail_setup "the uninstaller in $dir ended with $?"
    within 30 eval '[ ! -e "$dir" ] && ! registered "$uninstall_key" && ! registered "$machine_key"' ||
        fail_setup "the uninstaller left $dir or a registration"
}
# The number of pixels in which two screenshots differ.
difference() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }
screen_changes_from() {
    import -window root "$work/now.png"
    [ "$(difference "$1" "$work/now.png")" -gt 2000 ]
}
same_text() { cmp -s <(tr -d '\r' <"$1") "$2"; }

step "6. one install per computer: for the user, for everyone, and /S over each"
: >"$details_log"
setup_run /S || fail_setup "the installer ended with $?"
only_install user || fail_setup "a silent install is not the one install, for the user"
setup_run /S || fail_setup "the installer ended with $? over an install for the user"
only_install user || fail_setup "/S over an install for the user did not update it in place"
[ "$(reg_value "$uninstall_key" DisplayIcon)" = "$win_instdir\\tavrel.exe,0" ] ||
    fail "the registration's icon is $(reg_value "$uninstall_key" DisplayIcon)"
grep -q '^https\?://.*/tavrel-help\.html$' <<<"$(reg_value "$uninstall_key" HelpLink)" || fail "the registration has no help link"
grep -q '^https\?://.*/download-tavrel\.html$' <<<"$(reg_value "$uninstall_key" URLUpdateInfo)" ||
    fail "the registration has no update link"
[ -n "$(reg_value "$uninstall_key" Comments)" ] || fail "the registration has no comment"
[ "$(reg_value "$uninstall_key" VersionMajor)" = "$(printf '0x%x' "${TAVREL_VERSION%%.*}")" ] &&
    [ "$(reg_value "$uninstall_key" VersionMinor)" = "$(printf '0x%x' "${TAVREL_VERSION#*.}")" ] ||
    fail "the registration's version numbers are not those of $TAVREL_VERSION"
[ "$(reg_value 'HKCU\Software\Microsoft\Windows\CurrentVersion\App Paths\tavrel.exe' '(Default)')" = \
  "$win_instdir\\tavrel.exe" ] || fail "no App Paths entry for tavrel.exe"
setup_run /AllUsers /S || fail_setup "the installer for everyone ended with $?"
only_install machine || fail_setup "/AllUsers over an install for the user did not leave the one install, for everyone"
setup_run /S || fail_setup "the installer ended with $? over an install for everyone"
only_install machine || fail_setup "/S over an install for everyone did not update it in place"
"$wine" reg add "$machine_key" /v DisplayVersion /d 99.0 /f >/dev/null 2>&1
status=0
setup_run /S || status=$?
[ "$status" -ne 0 ] && [ "$(reg_value "$machine_key" DisplayVersion)" = 99.0 ] ||
    fail_setup "a silent install replaced a newer version unasked (exit code $status)"
setup_run /S /AllowDowngrade || fail_setup "/AllowDowngrade ended with $?"
only_install machine || fail_setup "/AllowDowngrade did not replace the newer version"
setup_run /CurrentUser /S || fail_setup "the installer for the user ended with $?"
only_install user || fail_setup "/CurrentUser over an install for everyone did not leave the one install, for the user"
cp "$menu_link" "$desktop_link"
setup_run /S || fail_setup "the installer ended with $?"
[ -f "$desktop_link" ] || fail "an update removed the desktop shortcut"
uninstall_from "$instdir"
[ ! -e "$desktop_link" ] || fail "the uninstaller left the desktop shortcut"
own="$WINEPREFIX/drive_c/TavrelTest"
setup_run /S '/D=C:\TavrelTest\Programs\Tavrel' || fail_setup "the install into a folder of one's own ended with $?"
[ -f "$own/Programs/Tavrel/tavrel.exe" ] || fail_setup "/D= was not followed"
uninstall_from "$own/Programs/Tavrel"
within 10 test ! -e "$own" || fail "the uninstaller left the folders the installer made: $(find "$own")"

step "7. after a reading the focus is in the result window"
setup_run /S || fail_setup "the installer ended with $?"
start_tavrel focus
focus=$!; pids+=("$focus")
form=$(input_form 90) || { cat "$work/focus.log"; fail "the input form did not appear"; }
form_origin "$form"
click $((CX + 300)) $((CY + 156)) # the name box
xdotool type --delay 50 "anna"
xdotool key alt+g
frame=$(frame_window 20) || fail "Alt+G showed no reading"
xdotool windowmove "$frame" 0 0 windowsize "$frame" "$screen_w" "$screen_h" mousemove 5 "$((screen_h - 5))"
# The frame is drawn once its picture stays the same for a moment.
import -window root "$work/tab0.png"
within 20 eval 'sleep 0.5; import -window root "$work/still.png"; [ "$(difference "$work/tab0.png" "$work/still.png")" -eq 0 ] ||
    { cp "$work/still.png" "$work/tab0.png"; false; }' || fail "the reading did not settle"
xdotool key ctrl+Tab
within 10 screen_changes_from "$work/tab0.png" || fail "Ctrl+Tab right after the reading did not switch the tab"
# Space presses nothing; two more tabs bring the first back, in the same frame.
xdotool key space ctrl+Tab ctrl+Tab
within 10 eval 'import -window root "$work/now.png"; [ "$(difference "$work/tab0.png" "$work/now.png")" -lt 100 ]' || {
    cp "$work/now.png" "$work/focus-after-space.png"
    fail "after Space and two more Ctrl+Tab the first tab is not back (the program ran on: $(kill -0 "$focus" 2>/dev/null && echo yes || echo no))"
}
[ -n "$shots" ] && import -window root "$shots/wine-focus.png"
xdotool key alt+e
status=0
wait_exit "$focus" 20 || status=$?
[ "$status" -eq 0 ] || fail "Alt+E ended the program with $status"

step "8. manifest, licence and signatures"
for text in 'level="asInvoker"' '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>' \
            '>PerMonitorV2</dpiAwareness>' '>true</longPathAware>'; do
    grep -aqF "$text" "$instdir/tavrel.exe" || fail "the manifest of tavrel.exe lacks $text"
done
grep -q TERMINAL_SERVICE_AWARE <<<"$(x86_64-w64-mingw32-objdump -p "$instdir/tavrel.exe")" ||
    fail "tavrel.exe is not marked for terminal services"
grep -qx "Tavrel $TAVREL_VERSION Uninstaller" <<<"$(strings -el "$instdir/Uninstall Tavrel.exe")" ||
    fail "the uninstaller does not describe itself as the uninstaller"
same_text "$instdir/LICENSE.txt" "$src/LICENSE" || fail "LICENSE.txt is not installed as it is in the source"
same_text "$instdir/THIRD-PARTY-NOTICES.txt" "$src/packaging/windows/THIRD-PARTY-NOTICES.txt" ||
    fail "THIRD-PARTY-NOTICES.txt is not installed as it is in the source"
# A build of its own with a throw-away certificate; the password never appears on a command line.
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Tavrel test certificate" \
    -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null &&
    TAVREL_SIGN_PASSWORD=throw-away openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" \
        -out "$work/cert.p12" -passout env:TAVREL_SIGN_PASSWORD || fail "openssl made no certificate"
cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
signed="$work/signed"
{
    TAVREL_SIGN_PKCS12="$work/cert.p12" TAVREL_SIGN_TIMESTAMP="" cmake -S "$src" -B "$signed" -G Ninja \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$(cache CMAKE_TOOLCHAIN_FILE)" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$(cache QT_CHAINLOAD_TOOLCHAIN_FILE)" -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
        -DTAVREL_BUILD_TESTS=OFF -DTAVREL_BUILD_BENCH=OFF -DTAVREL_BUILD_TOOLS=OFF &&
        TAVREL_SIGN_PASSWORD=throw-away cmake --build "$signed" --target installer
} >"$work/signed.log" 2>&1 || { tail -n 30 "$work/signed.log"; fail "the build with a certificate failed"; }
[ "$(grep -c ': signed with cert.p12' "$work/signed.log")" -eq 3 ] ||
    { grep -i signed "$work/signed.log"; fail "the build with a certificate did not sign three programs"; }
signed_setup="$signed/Tavrel-$TAVREL_VERSION-setup.exe"
"$wine" "$signed_setup" /S >>"$details_log" 2>&1 || fail_setup "the signed installer ended with $?"
for program in "$signed_setup" "$instdir/tavrel.exe" "$instdir/Uninstall Tavrel.exe"; do
    osslsigncode verify -CAfile "$work/cert.pem" -in "$program" >"$work/verify.log" 2>&1 ||
        { cat "$work/verify.log"; fail "$(basename "$program") carries no valid signature"; }
done

step "9. the portable zip keeps the setting beside the program"
portable="$WINEPREFIX/drive_c/Portable"
mkdir -p "$portable"
(cd "$portable" && cmake -E tar xf "$build/Tavrel-$TAVREL_VERSION-portable.zip") || fail "the portable zip does not unpack"
folder="$portable/Tavrel-$TAVREL_VERSION"
[ "$(LC_ALL=C ls "$folder" | tr '\n' ' ')" = "LICENSE.txt README.txt THIRD-PARTY-NOTICES.txt tavrel.exe tavrel.ini " ] ||
    fail "the portable zip holds: $(ls "$folder" | tr '\n' ' ')"
same_text "$folder/LICENSE.txt" "$src/LICENSE" &&
    same_text "$folder/THIRD-PARTY-NOTICES.txt" "$src/packaging/windows/THIRD-PARTY-NOTICES.txt" ||
    fail "the licences in the portable zip are not those of the source"
cp "$folder/tavrel.ini" "$work/tavrel.ini"
# Runs the portable program ($1 names its log) until its input form is shown and the setting is stored, then exits.
run_portable() {
    (cd "$folder" && exec "$wine" tavrel.exe) >"$work/$1.log" 2>&1 &
    local app=$!
    pids+=("$app")
    form=$(input_form 60) || { cat "$work/$1.log"; fail "the portable program showed no input form"; }
    within 20 "${@:2}" || fail "$1: the setting was not stored where it belongs"
    form_origin "$form"
    click $((CX + 456)) $((CY + 324)) # Exit
    wait_exit "$app" 20 || fail "$1: Exit did not end the portable program"
}
"$wine" reg delete 'HKCU\Software\Tavrel' /f >/dev/null 2>&1
run_portable portable grep -q "^$entry=$today" "$folder/tavrel.ini"
[ -z "$(reg_value "$settings_key" "$entry" 2>/dev/null)" ] || fail "the portable program stored its setting in the registry"
cp "$work/tavrel.ini" "$folder/tavrel.ini"
chmod a-w "$folder/tavrel.ini"
run_portable portable-read-only eval '[ "$(reg_value "$settings_key" "$entry")" = "$today" ]'
cmp -s "$work/tavrel.ini" "$folder/tavrel.ini" || fail "the program wrote into a read-only tavrel.ini"
