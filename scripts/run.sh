#!/usr/bin/env bash
# Sets up and builds Tavrel (the program only), then opens it.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" "$here/build"
cmake --build "$here/build" --parallel "$(nproc)" --target tavrel
exec "$here/build/app/tavrel"
