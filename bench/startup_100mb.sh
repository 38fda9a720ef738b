#!/usr/bin/env bash
# startup_100mb_ms: from starting the real program with a generated 100 MB file
# until its window shows the file's caption. Needs Xvfb and xdotool.
# Usage: bench/startup_100mb.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
build=${1:-build/release}
work=$(mktemp -d)
display=:$((300 + RANDOM % 500))
cleanup() { kill "${app:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

"$build/bench/scribant-bench" --generate "$work/big.c" 1000000
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
sleep 0.5
export DISPLAY=$display HOME=$work XDG_CONFIG_HOME=$work/.config

start=$(date +%s%N)
"$build/src/app/scribant" "$work/big.c" >/dev/null 2>&1 & app=$!
until xdotool search --onlyvisible --name "^Scribant <$work/big.c>\$" >/dev/null 2>&1; do
  kill -0 "$app" 2>/dev/null || { echo "the program ended early" >&2; exit 1; }
  sleep 0.01
done
end=$(date +%s%N)
echo "startup_100mb_ms $(( (end - start) / 1000000 )) ms"
