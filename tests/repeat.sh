#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one leg of the test suite again and again, to find a failure that comes only now and then: the tests of a
# label (x11, wayland, windows, ...) or one test by its name (smoke_real_x, wayland_native, windows_wine, ...), N
# times in a row or until the first failure, and prints the time of each pass and of all of them. A failed leg
# keeps what it saw in BUILD-DIR/test-output/ and names it.
# Usage: tests/repeat.sh LABEL-OR-TEST N [BUILD-DIR]   (BUILD-DIR defaults to build/ beside this folder)
set -euo pipefail

[ $# -ge 2 ] || { sed -n '2,/^set -euo/p' "$0" | grep -v SPDX- | sed '$d; s/^# \{0,1\}//' >&2; exit 2; }
what="$1"
runs="$2"
build="${3:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}"
cd "$build"
if ctest -N -R "^$what\$" | grep -q '^Total Tests: [1-9]'; then
    select=(-R "^$what\$")
else
    select=(-L "^$what\$")
    ctest -N "${select[@]}" | grep -q '^Total Tests: [1-9]' || { echo "no test and no label named $what" >&2; exit 2; }
fi

start=$SECONDS
for ((pass = 1; pass <= runs; pass++)); do
    began=$SECONDS
    if ! QT_QPA_PLATFORM=offscreen ctest "${select[@]}" --output-on-failure --timeout 600 >"$build/repeat.log" 2>&1; then
        cat "$build/repeat.log"
        echo "$what: failed in pass $pass after $((pass - 1)) passes ($((SECONDS - start)) s); ctest's output: $build/repeat.log"
        exit 1
    fi
    echo "pass $pass: $((SECONDS - began)) s"
done
echo "$what: $runs passes in a row in $((SECONDS - start)) s"
