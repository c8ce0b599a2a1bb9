#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and running need (the compiler, CMake, Ninja and Qt), builds Tavrel (the program only)
# into build/, then opens it.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" "$here/build"
cmake --build "$here/build" --parallel "$(nproc)" --target tavrel
exec "$here/build/app/tavrel"
