#!/usr/bin/env bash
# Installs what is missing, builds the release program and starts it.
# Usage: scripts/run.sh [FILE]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release -DSCRIBANT_BUILD_UI=ON >/dev/null
cmake --build --preset release --target scribant
exec build/release/src/app/scribant "$@"
