#!/usr/bin/env bash
# Writes burst-1000.sim: 1000 state events of ten kinds, back to back, each with values the
# host accepts, then quit. Run from this folder: ./make-burst.sh > burst-1000.sim
set -euo pipefail
echo "# 1000 mixed state events sent back to back half a second after a host opens the port,"
echo "# then quit: btm-sim reports whether every one was acknowledged. Made by make-burst.sh."
for ((i = 0; i < 1000; i++)); do
  delay=0
  ((i == 0)) && delay=500
  link=$((i / 10 % 2))
  n=$((i / 10))
  case $((i % 10)) in
    0) states=(02 09 0A 0B 0C); event="BTM_STATUS ${states[n % 5]} 00" ;;
    1) event="CALL_STATUS 0$link 0$((n % 9))" ;;
    2) event="PHONE_BATTERY_LEVEL 0$link 0$((n % 7))" ;;
    3) event="PHONE_SIGNAL_STRENGTH 0$link 0$((n % 6))" ;;
    4) event="$(printf 'HF_GAIN_LEVEL 0%d %02X' $link $((n % 16)))" ;;
    5) event="$(printf 'BTM_BATTERY_STATUS 0%d %02X' $((n % 7)) $((n % 13)))" ;;
    6) event="LINK_STATUS_REPORT 06 1A 00 0$((n % 9)) 00 0$((n % 2)) 00" ;;
    7) event="PHONE_SERVICE_STATUS 0$link 0$((n % 2))" ;;
    8) event="EQ_MODE 0$((n % 10)) 00" ;;
    9) event="BTM_CHARGING_STATUS 0$((n % 4)) 00" ;;
  esac
  echo "$delay $event"
done
echo "1000 quit"
