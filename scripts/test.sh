#!/usr/bin/env bash
# Set-up, build and every test: the release build's suite; t742.exe built with
# MinGW-w64 and tested under Wine, and both release windows driven by mouse
# and keys (scripts/test-windows.sh); then the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer. Each suite runs once for
# each build it proves something of: the release build's CTest run leaves out
# the tests labelled "window", since test-windows.sh drives its Qt window
# beside the Win32 one; the sanitizer build drives its Qt window, where a
# fault in the view library, the form or their handlers under real user input
# is caught as it happens.
set -euo pipefail
cd "$(dirname "$0")/.."
stamp() { echo "== [$SECONDS s] $*"; }
bash scripts/setup.sh
bash scripts/setup-windows.sh
stamp "the release build and its suite"
bash scripts/build.sh
ctest --test-dir build --output-on-failure -j2 --label-exclude window

# The Wine prefix that every suite under Wine copies is made beside the
# Windows build.
WINE_PREFIX_TEMPLATE=$(mktemp -d)
export WINE_PREFIX_TEMPLATE
asan_log=$(mktemp)
asan=
trap '[ -z "$asan" ] || kill "$asan" 2>/dev/null || true; rm -rf "$WINE_PREFIX_TEMPLATE" "$asan_log"*' EXIT
stamp "t742.exe with MinGW-w64"
nice -n 19 scripts/with-desktop.sh --new-wine-prefix "$WINE_PREFIX_TEMPLATE" &
bash scripts/build-windows.sh >/dev/null
wait

# The suites of test-windows.sh mostly wait on their windows. The sanitizer
# build is made meanwhile at the lowest priority, taking only the processor
# time they leave, and its suite runs as soon as it is built.
stamp "the suites of scripts/test-windows.sh, beside the sanitizer build and its suite"
{
  stamp "the sanitizer build"
  export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DT742_SANITIZE=ON >/dev/null
  # The tests of the window need only the program, its window and the layout
  # tool, and wait on the window most of their time: they run while the rest
  # is built, and the other tests then run beside them.
  nice -n 19 cmake --build build-asan --target t742 t742view t742layout
  stamp "its window's tests, beside the rest of the build and then the other tests"
  ctest --test-dir build-asan --output-on-failure -L window >"$asan_log.window" 2>&1 &
  window=$!
  nice -n 19 cmake --build build-asan
  stamp "its other tests"
  status=0
  ctest --test-dir build-asan --output-on-failure -j2 -LE window || status=$?
  wait "$window" || status=1
  cat "$asan_log.window"
  exit "$status"
} >"$asan_log" 2>&1 &
asan=$!
windows_status=0
bash scripts/test-windows.sh || windows_status=$?
stamp "the windows' suites ended"
asan_status=0
wait "$asan" || asan_status=$?
asan=
cat "$asan_log"
stamp "the sanitizer suite ended"
((windows_status == 0 && asan_status == 0))
