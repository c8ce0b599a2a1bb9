#!/usr/bin/env bash
# Runs a test program where assistive tools could listen: in a private X server, on a private D-Bus message bus
# with the AT-SPI accessibility bus started. Its output is kept with the evidence of a failure.
# Usage: tests/a11y-bus.sh PROGRAM [ARGS...]
set -euo pipefail

work="$(mktemp -d)"
. "$(dirname "${BASH_SOURCE[0]}")/xtest-common.sh"
start_accessibility_bus
step "$(basename "$1") ${*:2}"
"$@" 2>&1 | tee "$out/test.log"
