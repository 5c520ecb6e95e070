#!/usr/bin/env bash
# Set-up, build and every test: the release build, then the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, then t742.exe under Wine.
# Each suite runs once for each build it proves something of: the release
# build's real windows are driven in scripts/test-windows.sh, the Qt window
# beside the Win32 one, so its CTest run leaves out the tests labelled
# "window"; the sanitizer build drives its Qt window here, where a fault in
# the view library, the form or their handlers under real user input is
# caught as it happens.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
ctest --test-dir build --output-on-failure -j2 --label-exclude window

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DT742_SANITIZE=ON >/dev/null
cmake --build build-asan
# The sanitizer suite spends most of its time waiting on its window: the
# Windows tool chain is set up and t742.exe built beside it meanwhile.
asan_log=$(mktemp)
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
  ctest --test-dir build-asan --output-on-failure -j2 >"$asan_log" 2>&1 &
asan=$!
trap 'kill "$asan" 2>/dev/null || true; rm -f "$asan_log"' EXIT
bash scripts/setup-windows.sh
bash scripts/build-windows.sh >/dev/null
asan_status=0
wait "$asan" || asan_status=$?
cat "$asan_log"
((asan_status == 0))

bash scripts/test-windows.sh
