#!/usr/bin/env bash
# Installs whatever the build, the tests or the benchmarks need and is missing.
# Idempotent and quiet when everything is already there.
#   scripts/setup.sh          packages for building and testing
#   scripts/setup.sh bench    the same plus what the benchmarks compare against
set -euo pipefail

packages=(
  qt6-base-dev qt6-base-dev-tools cmake ninja-build g++ make pkg-config
  libgtest-dev libgmock-dev libjpeg-dev
  fonts-liberation2 fonts-dejavu-core xvfb xauth xdotool
  clang libclang-rt-14-dev
)
if [ "${1:-}" = bench ]; then
  packages+=(fortunes-ru fortune-mod time coreutils)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
# A stale package index makes installs fail with 404s; refresh it once and retry.
if ! $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/tmp/lecterna-setup.log 2>&1; then
  $sudo apt-get update -qq >>/tmp/lecterna-setup.log 2>&1
  if ! $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >>/tmp/lecterna-setup.log 2>&1; then
    cat /tmp/lecterna-setup.log >&2
    exit 1
  fi
fi
