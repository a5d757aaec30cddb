#!/usr/bin/env bash
# `make run`: the console on the built-in simulated module. btm-sim plays the module on a
# pseudo-terminal (linked as build/btm-sim.port) with the incoming-call scenario, which starts
# when the console opens the port; the console starts with that port preselected (press
# Open). The simulator stops when the console exits and prints its Event-ACK account. In a
# build without the window (BTM_GUI=OFF), quorlin-cli shows a short exchange instead.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/.." && pwd)
console="$build/apps/quorlin"
port="$build/btm-sim.port"

"$build/apps/btm-sim" --link "$port" --script "$here/sim/scripts/incoming-call.sim" &
sim=$!
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  [ -e "$port" ] && break
  sleep 0.05
done

if [ -x "$console" ]; then
  echo "make run: simulated module on $port; press Open in the console."
  "$console" --port "$port"
  exit 0
fi

# Power on (Device A's phone connects), ask for the versions, the name and the phone's name,
# then answer the call the scenario rings in.
"$build/apps/quorlin-cli" --port "$port" --for 1 \
  MMI_ACTION 00 51 READ_BTM_VERSION 00 READ_BTM_VERSION 01 INFO_QUERY_0E \
  wait 400 READ_LINKED_DEVICE_INFO 00 00 wait 800 MMI_ACTION 00 04
