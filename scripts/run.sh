#!/usr/bin/env bash
# Sets up and builds Tavrel, then opens it.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" "$here/build"
exec "$here/build/app/tavrel"
