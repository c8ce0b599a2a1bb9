#!/usr/bin/env bash
# Runs a test program on Qt's Wayland platform in a private Wayland compositor (weston inside a private X server),
# where the clipboard is shared with other Wayland programs (wl-copy and wl-paste). Its output is kept with the
# evidence of a failure.
# Usage: tests/wayland-run.sh PROGRAM [ARGS...]
set -euo pipefail

work="$(mktemp -d)"
xvfb_screen=1280x1048x24 # room for the pointer below the compositor's screen
. "$(dirname "${BASH_SOURCE[0]}")/xtest-common.sh"
start_weston wayland
step "$(basename "$1") ${*:2}"
"${launch[@]}" "$@" 2>&1 | tee "$out/test.log"
