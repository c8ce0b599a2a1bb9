#!/usr/bin/env bash
# Sets up and builds Tavrel, then runs the whole test suite headless: once on the normal build (unit and window
# tests, the runs in a private X server and the package test), the Windows program made by scripts/windows.sh
# installed and used under Wine, and once more built with AddressSanitizer and UndefinedBehaviorSanitizer.
# Ends non-zero on any failure. On a fresh machine the first run also builds Qt for Windows (30 to 45 minutes).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" "$here/build"
cmake --build "$here/build" --parallel "$(nproc)"

echo "== the Windows program =="
"$here/scripts/windows.sh"

echo "== tests =="
(cd "$here/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -L 'unit|ui|x11|package|windows')

echo "== tests with AddressSanitizer and UndefinedBehaviorSanitizer =="
"$here/scripts/setup.sh" "$here/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DTAVREL_SANITIZE=ON \
    -DTAVREL_BUILD_BENCH=OFF -DTAVREL_BUILD_TOOLS=OFF >/dev/null
cmake --build "$here/build-sanitize" --parallel "$(nproc)"
# Leak detection stays on. The sanitizer runtime of GCC 12 guesses the extent of a dynamically loaded library's
# thread-local block from a header that older glibc versions put in front of it; when the block (libjpeg's, loaded
# with Qt's JPEG plugin) happens to start 16 bytes into a page, it reads a bogus range there, and the leak check's
# tracer faults on it at exit. Where the block lands depends on what was allocated before it, for instance by
# fontconfig for each installed font. Without that interception the blocks, which the dynamic linker allocates,
# are still scanned as the linker's own allocations.
(cd "$here/build-sanitize" &&
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 LSAN_OPTIONS="suppressions=$here/tests/lsan.supp" \
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -L 'unit|ui|x11')
echo "test run: $((SECONDS / 60)) min $((SECONDS % 60)) s"
