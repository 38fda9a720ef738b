#!/usr/bin/env bash
# startup_1gb_ms: the real program opening a generated 10 000 000-line (~1 GB) file.
# Usage: bench/startup_1gb.sh [BUILD_DIR]   (default build/release)
exec "$(dirname "$0")/startup.sh" startup_1gb_ms 10000000 "$@"
