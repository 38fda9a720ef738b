#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test (unit, widget and end-to-end) under them. The first report
# fails the test that caused it. Only the system D-Bus library's leak at exit
# is suppressed (scripts/lsan.supp).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
cmake --preset asan -DSCRIBANT_BUILD_UI=ON -DSCRIBANT_BUILD_TESTS=ON >/dev/null
cmake --build --preset asan
ctest --preset asan -j2
