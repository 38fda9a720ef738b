#!/usr/bin/env bash
# startup_100mb_ms: the real program opening a generated 1 000 000-line (~100 MB) file.
# Usage: bench/startup_100mb.sh [BUILD_DIR]   (default build/release)
exec "$(dirname "$0")/startup.sh" startup_100mb_ms 1000000 "$@"
