#!/usr/bin/env bash
# Installs every Debian package the project needs. Idempotent: it only calls
# apt-get (and only runs `apt-get update`) when a package is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libboost-thread-dev libboost-chrono-dev libboost-dev
  libssl-dev libhidapi-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  xvfb xauth imagemagick
  ffmpeg
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
