#!/usr/bin/env bash
# Installs what building and testing t742 needs on Debian (run as root).
# Installs nothing that is already there.
set -euo pipefail

# Build and tests; the Qt view with a Japanese Gothic font; an X server, its
# tools, a window manager and xdotool for the tests of the real window.
packages=(cmake g++ ninja-build pkg-config libgtest-dev qt6-base-dev libxcb1-dev
          fonts-ipafont-gothic xvfb xauth x11-utils xdotool openbox)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
