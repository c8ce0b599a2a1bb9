#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program in a private X server, where the clipboard and the selection are shared with other programs.
# Its output is kept with the evidence of a failure.
# Usage: tests/x11-run.sh PROGRAM [ARGS...]
set -euo pipefail

work="$(mktemp -d)"
. "$(dirname "${BASH_SOURCE[0]}")/xtest-common.sh"
step "$(basename "$1") ${*:2}"
if ! "$@" >"$out/test.log" 2>&1; then
    cat "$out/test.log"
    fail "$(basename "$1") ${*:2} failed (test.log)"
fi
cat "$out/test.log"
