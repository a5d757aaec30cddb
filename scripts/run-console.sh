#!/usr/bin/env bash
# `make run`: start the console on the built-in simulated module.
set -euo pipefail
build=$1
echo "The console and the simulated module are not built yet. Programs in $build/apps:"
ls "$build/apps" 2>/dev/null | grep -v -E 'CMakeFiles|cmake|\.ninja' || true
