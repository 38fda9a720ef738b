#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test
# (unit, widget and end-to-end).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-format.sh
cmake --preset debug -DSCRIBANT_BUILD_UI=ON -DSCRIBANT_BUILD_TESTS=ON >/dev/null
cmake --build --preset debug
ctest --preset debug -j2
