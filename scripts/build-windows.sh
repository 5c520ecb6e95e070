#!/usr/bin/env bash
# Cross-builds t742.exe (one self-contained file) at build-win/t742.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-windows.sh
cmake -S . -B build-win -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build-win
