#!/usr/bin/env bash
# Installs what is missing, builds the release program and packs it as
# build/package/scribant_<version>_amd64.deb (install it with
# `sudo apt install ./build/package/scribant_*.deb`).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DSCRIBANT_BUILD_UI=ON -DSCRIBANT_BUILD_TESTS=OFF >/dev/null
cmake --build build/package --target scribant
(cd build/package && cpack -G DEB >/dev/null)
ls build/package/scribant_*_amd64.deb
