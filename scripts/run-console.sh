#!/usr/bin/env bash
# `make run`: start the console on the built-in simulated module. The simulator prints the
# device path of its pseudo-terminal; the console starts with that port preselected, and the
# user presses Open. Without the simulator in the build, the console starts alone.
set -euo pipefail
build=$1
console="$build/apps/quorlin"
sim="$build/apps/btm-sim"

if [ ! -x "$console" ]; then
  echo "make run: $console is not built (it needs BTM_GUI=ON and Qt 6)." >&2
  exit 1
fi

if [ ! -x "$sim" ]; then
  echo "make run: the simulated module is not built yet; starting the console alone."
  exec "$console"
fi

out=$(mktemp)
"$sim" >"$out" 2>&1 &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null || true; rm -f "$out"' EXIT
port=""
for _ in $(seq 50); do
  port=$(grep -o -m1 '/dev/[^[:space:]]*' "$out" || true)
  [ -n "$port" ] && break
  sleep 0.1
done
if [ -z "$port" ]; then
  echo "make run: the simulated module did not report its port:" >&2
  cat "$out" >&2
  exit 1
fi
echo "make run: simulated module on $port; press Open in the console."
"$console" --port "$port"
