#!/usr/bin/env bash
# Installs what building and testing t742 needs on Debian (run as root).
# Installs nothing that is already there.
set -euo pipefail

packages=(cmake g++ ninja-build libgtest-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
