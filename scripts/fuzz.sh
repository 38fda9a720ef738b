#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ and runs each for SECONDS (default 20),
# one after another, starting from its checked-in seeds. The corpus grows in
# build/fuzz/corpus/<target>; a finding is saved in build/fuzz/findings/ and
# fails the run. Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
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
status=0
for target in "${targets[@]}"; do
  corpus=build/fuzz/corpus/$target
  findings=build/fuzz/findings
  mkdir -p "$corpus" "$findings"
  log=build/fuzz/$target.log
  if build/fuzz/fuzz/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$root/$findings/$target-" \
    "$corpus" "fuzz/seeds/$target" >"$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
    echo "$target: $runs runs in ${seconds}s, no finding"
  else
    echo "$target: FINDING (see $log and $findings/)" >&2
    tail -n 40 "$log" >&2
    status=1
  fi
done
exit $status
