#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program under limits on threads and on memory, as a hostile environment sets them: it starts and gives a
# reading, and nothing freezes or aborts.
#  - the reading driver (the program's windows, driven from inside) on Qt's offscreen platform, with room for two
#    threads (prlimit --nproc=2) and with 200 MB of address space (prlimit --as);
#  - the built program in a private X server, driven with real X input: a name typed, Alt+G, the frame with the
#    reading, Alt+E ends it with status 0; with room for four threads (the X11 connection's reader, the message
#    bus's and one of the pool besides the main thread: what Qt itself needs there) and with 200 MB of address
#    space.
# A limit on threads counts every process of the user, and binds only users other than root: run as root, the
# runs are made as the user "nobody" (uid 65534); run as another user, the thread legs are skipped.
# Usage: tests/limits.sh READING-DRIVER PROGRAM
set -euo pipefail

driver="$1"
app="$2"
: "${TAVREL_TITLE:?the window title, set by CTest}"
work="$(mktemp -d)"
. "$(dirname "${BASH_SOURCE[0]}")/xtest-common.sh"

as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    chmod 755 "$work"
    chown 65534:65534 "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
fi
export HOME="$work/config"

# Runs the reading driver on the offscreen platform under limit $1.
driver_under() {
    local limit="$1" status=0
    rm -rf "${XDG_CONFIG_HOME:?}"/* "${XDG_RUNTIME_DIR:?}"/*
    QT_QPA_PLATFORM=offscreen timeout 60 "${as_user[@]}" prlimit "$limit" "$driver" >"$work/driver.log" 2>&1 ||
        status=$?
    local said
    said=$(tail -n 5 "$work/driver.log")
    [ "$status" -ne 124 ] || fail "the reading driver froze under prlimit $limit: $said"
    [ "$status" -eq 0 ] || fail "the reading driver ended with $status under prlimit $limit: $said"
    grep -q '^reading: Pisces$' "$work/driver.log" || fail "no reading under prlimit $limit: $(cat "$work/driver.log")"
}

# Runs the program in the X server under limit $1 and gets a reading with the keyboard.
program_under() {
    local limit="$1" program form frame
    rm -rf "${XDG_CONFIG_HOME:?}"/* "${XDG_RUNTIME_DIR:?}"/*
    "${as_user[@]}" prlimit "$limit" "$app" >"$work/program.log" 2>&1 &
    program=$!; pids+=("$program")
    form=$(input_form 20) || fail "no input form under prlimit $limit: $(tail -n 5 "$work/program.log")"
    xdotool windowfocus --sync "$form"
    xdotool type --delay 30 "anna"
    sleep 0.5 # a person pauses after typing, and the first letter's work runs meanwhile
    xdotool key alt+g
    frame=$(frame_window 20) || fail "no reading under prlimit $limit: $(tail -n 5 "$work/program.log")"
    xdotool windowfocus --sync "$frame"
    xdotool key alt+e
    wait_exit "$program" 20 || fail "Alt+E did not end the program under prlimit $limit"
}

if [ ${#as_user[@]} -gt 0 ]; then
    step "the reading driver with room for two threads"
    driver_under --nproc=2
    step "the program in an X server with room for four threads"
    program_under --nproc=4
else
    step "not root: the limits on threads are skipped"
fi
step "the reading driver in 200 MB of address space"
driver_under --as=200000000
step "the program in an X server in 200 MB of address space"
program_under --as=200000000
echo "PASS"
