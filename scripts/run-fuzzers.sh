#!/usr/bin/env bash
# Runs every fuzzer listed in the given file for the given number of seconds each.
# Seeds come from fuzz/corpus/<name>; new inputs go to build-fuzz/corpus/<name>.
set -euo pipefail
list=$1
seconds=$2
here=$(cd "$(dirname "$0")/.." && pwd)
status=0
while IFS= read -r fuzzer; do
  [ -n "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  work="$(dirname "$list")/corpus/$name"
  seeds="$here/fuzz/corpus/$name"
  mkdir -p "$work" "$seeds"
  echo "# $name for ${seconds}s"
  "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 "$work" "$seeds" 2>&1 | tail -n 12 || status=1
done < "$list"
exit $status
