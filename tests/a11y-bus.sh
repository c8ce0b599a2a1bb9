#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program where assistive tools could listen: in a private X server, on a private D-Bus message bus
# with the AT-SPI accessibility bus started. Its output is kept with the evidence of a failure.
# Usage: tests/a11y-bus.sh PROGRAM [ARGS...]
set -euo pipefail

work="$(mktemp -d)"
. "$(dirname "${BASH_SOURCE[0]}")/xtest-common.sh"
start_accessibility_bus
step "$(basename "$1") ${*:2}"
if ! "$@" >"$out/test.log" 2>&1; then
    cat "$out/test.log"
    fail "$(basename "$1") ${*:2} failed (test.log)"
fi
cat "$out/test.log"
