#!/bin/sh
# Fuzzes the copy command for longer than the tests do:
#   scripts/fuzz.sh [SECONDS]      (default 300)
# Prints the number of executions and the result. An input that breaks the
# command is written as build/fuzz/crash-*; keep it in tests/fuzz/corpus/ once
# the fault is mended, so that every later run tries it again.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
seconds=${1:-300}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --parallel "$(nproc)" >/dev/null
found=build/fuzz/found
mkdir -p "$found"
log=build/fuzz/fuzz.log
status=0
build/fuzz/tests/fuzz/copy_command_fuzzer -max_total_time="$seconds" -artifact_prefix=build/fuzz/ \
  -print_final_stats=1 "$found" tests/fuzz/corpus > "$log" 2>&1 || status=$?
grep -E '^stat::number_of_executed_units|^Done' "$log" || true
if [ "$status" -eq 0 ]; then
  echo "result: no fault in $seconds s"
else
  grep -A2 'copy command fault' "$log" || tail -n 20 "$log"
  echo "result: FAULT (see $log and build/fuzz/crash-*)"
fi
exit "$status"
