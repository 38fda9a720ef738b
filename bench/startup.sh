#!/usr/bin/env bash
# Start-up time of the real program with a generated file: from starting it
# until its window shows the file's caption, and its resident memory then.
# Needs Xvfb and xdotool.
# Usage: bench/startup.sh FIGURE LINES [BUILD_DIR]   (default build/release)
# prints "FIGURE <ms> ms" and "FIGURE_rss_mb <MB> MB".
set -euo pipefail
figure=$1
lines=$2
build=${3:-build/release}
work=$(mktemp -d)
display=:$((300 + RANDOM % 500))
cleanup() { kill "${app:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

"$build/bench/scribant-bench" --generate "$work/big.c" "$lines"
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
rss_kb=$(awk '/^VmRSS:/ { print $2 }' "/proc/$app/status")
echo "$figure $(( (end - start) / 1000000 )) ms"
echo "${figure%_ms}_rss_mb $(( rss_kb / 1024 )) MB"
