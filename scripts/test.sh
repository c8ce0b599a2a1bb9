#!/usr/bin/env bash
# Sets up and builds Tavrel, then runs the whole test suite headless: once on the normal build (unit and window
# tests, the runs in a private X server and the package test), once more built with AddressSanitizer and
# UndefinedBehaviorSanitizer. Ends non-zero on any failure.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" "$here/build"
cmake --build "$here/build" --parallel "$(nproc)"

echo "== tests =="
(cd "$here/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -L 'unit|ui|x11|package')

echo "== tests with AddressSanitizer and UndefinedBehaviorSanitizer =="
"$here/scripts/setup.sh" "$here/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DTAVREL_SANITIZE=ON \
    -DTAVREL_BUILD_BENCH=OFF -DTAVREL_BUILD_TOOLS=OFF >/dev/null
cmake --build "$here/build-sanitize" --parallel "$(nproc)"
(cd "$here/build-sanitize" &&
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS="suppressions=$here/tests/lsan.supp" \
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -L 'unit|ui|x11')
