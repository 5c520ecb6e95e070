#!/usr/bin/env bash
# Installs what cross-building, testing and packaging t742.exe needs on Debian
# (run as root), beside what scripts/setup.sh installs.
set -euo pipefail
bash "$(dirname "$0")/setup.sh"
packages=(g++-mingw-w64-x86-64 wine wine64 googletest librsvg2-bin icoutils pandoc zip unzip)
missing=()
for p in "${packages[@]}"; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
if ((${#missing[@]})); then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
