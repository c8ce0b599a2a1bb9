#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up and builds Tavrel, then runs the whole test suite headless: once on the dev build (unit and window
# tests, the runs in a private X server and in a private Wayland compositor, and the package test), the Windows
# program made by scripts/windows.sh installed and used under Wine, and once more built with AddressSanitizer and
# UndefinedBehaviorSanitizer. Ends non-zero on any failure; a failed leg that drives real windows keeps what it saw
# in test-output/ of its build folder and names it. On a fresh machine the first run also builds Qt for Windows
# (30 to 45 minutes).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
scripts/setup.sh --tests
scripts/setup.sh --preset dev
cmake --build --preset dev --parallel "$(nproc)"

echo "== the Windows program =="
scripts/windows.sh -DTAVREL_ALLOW_PLACEHOLDER_LINKS=ON # (the tests need no real web site)

echo "== tests =="
ctest --preset full

echo "== tests with AddressSanitizer and UndefinedBehaviorSanitizer =="
scripts/setup.sh --preset sanitize >/dev/null
cmake --build --preset sanitize --parallel "$(nproc)"
# Leak detection stays on (the sanitize preset's environment). The sanitizer runtime of GCC 12 guesses the extent
# of a dynamically loaded library's thread-local block from a header that older glibc versions put in front of it;
# when the block (libjpeg's, loaded with Qt's JPEG plugin) happens to start 16 bytes into a page, it reads a bogus
# range there, and the leak check's tracer faults on it at exit. Where the block lands depends on what was
# allocated before it, for instance by fontconfig for each installed font. Without that interception
# (intercept_tls_get_addr=0) the blocks, which the dynamic linker allocates, are still scanned as the linker's own
# allocations.
ctest --preset sanitize
echo "test run: $((SECONDS / 60)) min $((SECONDS % 60)) s"
