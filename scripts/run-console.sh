#!/usr/bin/env bash
# `make run`: start the console on the built-in simulated module.
# Until the console and the simulator exist, it says what the build holds.
set -euo pipefail
build=$1
names() { sort | tr '\n' ' '; }
echo "The console and the simulated module are not built yet. The build holds:"
echo "  programs:   $(find "$build/apps" -maxdepth 1 -type f -executable -printf '%f\n' 2>/dev/null | names)"
echo "  libraries:  $(find "$build" -name 'libbtm_*.a' -printf '%f\n' | names)"
echo "  benchmarks: $(xargs -r -n1 basename < "$build/benches.txt" | names)(make bench)"
echo "  tests:      $(ctest --test-dir "$build" -N 2>/dev/null | tail -n 1 | tr -dc '0-9') (make test)"
