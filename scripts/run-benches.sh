#!/usr/bin/env bash
# Runs every benchmark program listed in the given file (one path per line).
set -euo pipefail
list=$1
status=0
while IFS= read -r bench; do
  [ -n "$bench" ] || continue
  echo "# $(basename "$bench")"
  # A benchmark never reads the list: it (and anything it starts) gets no standard input.
  "$bench" </dev/null || status=1
done < "$list"
exit $status
