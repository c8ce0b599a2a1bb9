#!/usr/bin/env bash
# Sets up and builds Tavrel, then runs the whole test suite headless. Ends non-zero on any failure.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" "$here/build"
cd "$here/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600
