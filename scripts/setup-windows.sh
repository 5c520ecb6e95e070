#!/usr/bin/env bash
# Installs what cross-building, testing and packaging t742.exe needs on Debian
# (run as root), beside what scripts/setup.sh installs.
set -euo pipefail
bash "$(dirname "$0")/setup.sh"
packages=(g++-mingw-w64-x86-64 wine wine64 googletest librsvg2-bin icoutils pandoc zip unzip locales)
missing=()
for p in "${packages[@]}"; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
if ((${#missing[@]})); then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The launchers run in Wine's cmd as on a Japanese desktop (code page 932),
# which Wine takes from the Japanese UTF-8 locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
