#!/usr/bin/env bash
# Benchmark of a silent run on host files of 10^3, 10^5 and 10^6 entities,
# as ratios against /bin/true and wc -l in the same run. Optional: RUNS (11).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh >/dev/null
nproc_line="$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "machine: $nproc_line"
build/t742bench build/t742 "${1:-11}"
