#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each (default 600) from the seed corpora;
# TARGETS="Numbers Exchange" runs only those.
# A finding stops the run and leaves its input under build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
dpkg -s clang libclang-rt-14-dev >/dev/null 2>&1 || {
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang libclang-rt-14-dev
}
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DT742_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz
mkdir -p build-fuzz/findings
declare -A dict=([Exchange]=exchange [Settings]=settings [Lists]=lists [CommandLine]= [Numbers]=numbers)
declare -A corpus=([Exchange]=exchange [Settings]=settings [Lists]=lists [CommandLine]=cmdline [Numbers]=numbers)
for t in ${TARGETS:-Exchange Settings Lists CommandLine Numbers}; do
  work=build-fuzz/corpus/$t
  mkdir -p "$work"
  args=(-max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048
        -artifact_prefix=build-fuzz/findings/$t- -print_final_stats=1)
  [ -n "${dict[$t]}" ] && args+=(-dict=fuzz/${dict[$t]}.dict)
  echo "== Fuzz$t for ${seconds}s"
  build-fuzz/fuzz/Fuzz$t "${args[@]}" "$work" "fuzz/corpus/${corpus[$t]}" 2>&1 |
    grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY|Done)' || true
  [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "Fuzz$t found a fault"; exit 1; }
done
