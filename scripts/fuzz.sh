#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each (default 600) from the seed corpora;
# TARGETS="Numbers Exchange" runs only those; --build only builds them.
# A finding stops the run and leaves its input under build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
dpkg -s clang libclang-rt-14-dev >/dev/null 2>&1 || {
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang libclang-rt-14-dev
}
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DT742_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=(${TARGETS:-Exchange Settings Lists CommandLine Numbers})
cmake --build build-fuzz --target "${targets[@]/#/Fuzz}"
[ "$seconds" != --build ] || exit 0
mkdir -p build-fuzz/findings
declare -A dict=([Exchange]=exchange [Settings]=settings [Lists]=lists [CommandLine]= [Numbers]=numbers)
declare -A corpus=([Exchange]=exchange [Settings]=settings [Lists]=lists [CommandLine]=cmdline [Numbers]=numbers)
# Runs target T and prints its summary; a finding is its exit status.
fuzz() {
  local t=$1 work=build-fuzz/corpus/$1 status=0
  mkdir -p "$work"
  local -a args=(-max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048
                 -artifact_prefix=build-fuzz/findings/$t- -print_final_stats=1)
  [ -n "${dict[$t]}" ] && args+=(-dict=fuzz/${dict[$t]}.dict)
  echo "== Fuzz$t for ${seconds}s"
  build-fuzz/fuzz/Fuzz$t "${args[@]}" "$work" "fuzz/corpus/${corpus[$t]}" >"$logs/$t.all" 2>&1 ||
    status=$?
  grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY|Done)' \
    "$logs/$t.all" || true
  ((status == 0)) || echo "Fuzz$t found a fault"
  return "$status"
}

# A target is one process: as many run at once as there are processors, each
# for the whole of its time, and their reports follow in the order named.
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
for t in "${targets[@]}"; do
  while (($(jobs -rp | wc -l) >= $(nproc))); do wait -n || true; done
  { status=0; fuzz "$t" >"$logs/$t" 2>&1 || status=$?; echo "$status" >"$logs/$t.status"; } &
done
wait
status=0
for t in "${targets[@]}"; do
  cat "$logs/$t"
  [ "$(cat "$logs/$t.status")" = 0 ] || status=1
done
exit "$status"
