#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ and runs each for SECONDS (default 20),
# as many at once as there are cores, starting from its checked-in seeds. The
# corpus grows in build/fuzz/corpus/<target>; a finding is saved in
# build/fuzz/findings/ and fails the run. Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
shift || true
scripts/install-deps.sh

if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for source in fuzz/*Fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

cmake --preset fuzz >/dev/null
cmake --build build/fuzz --target "${targets[@]}"

root=$PWD
findings=build/fuzz/findings
mkdir -p "$findings"

# Runs one target; its summary (or its finding and the end of its log) is
# printed in one piece so that targets running side by side do not mix lines.
run_target() {
  local target=$1
  local corpus=build/fuzz/corpus/$target
  local log=build/fuzz/$target.log
  mkdir -p "$corpus"
  if build/fuzz/fuzz/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$root/$findings/$target-" \
    "$corpus" "fuzz/seeds/$target" >"$log" 2>&1; then
    local runs
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
    echo "$target: $runs runs in ${seconds}s, no finding"
  else
    printf '%s\n%s\n' "$target: FINDING (see $log and $findings/)" "$(tail -n 40 "$log")" >&2
    return 1
  fi
}

# Each target is single-threaded: run as many at once as there are cores.
at_once=$(nproc)
running=0
status=0
for target in "${targets[@]}"; do
  if [ "$running" -ge "$at_once" ]; then
    wait -n || status=1
    running=$((running - 1))
  fi
  run_target "$target" &
  running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
  wait -n || status=1
  running=$((running - 1))
done
exit $status
