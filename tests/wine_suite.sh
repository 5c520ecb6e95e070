#!/usr/bin/env bash
# t742.exe under Wine: the test suite (its window tests on the display), the
# manifest read back from the built program, the test hook absent from it,
# and CASES pseudo-random runs compared byte for byte with the Linux build.
#   tests/wine_suite.sh BUILD-DIR WINDOWS-BUILD-DIR [CASES]
set -euo pipefail
build=$(realpath "$1") buildwin=$(realpath "$2") cases=${3:-300}
cd "$(dirname "$0")/.."
# On a display and in a Wine prefix of its own, unless the caller gave them.
[ -n "${DESKTOP_PIDS:-}" ] && [ -n "${WINEPREFIX:-}" ] ||
  exec scripts/with-desktop.sh --wine tests/wine_suite.sh "$build" "$buildwin" "$cases"
log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT

echo "== the test suite under Wine, its window tests on a virtual display"
(cd "$buildwin/tests" && wine ./t742_tests.exe --gtest_brief=1)
wine "$buildwin/tests/t742manifest.exe" "$buildwin/t742.exe" app/res/t742.manifest
tests/no_fault_hook.sh "$buildwin/tests/t742_faults.exe" "$buildwin/t742.exe"

echo "== t742.exe against the Linux build, $cases pseudo-random runs"
# Both at once: neither waits on the other.
"$build/tests/t742crosscheck" "$cases" 742 "$log/linux.log" &
linux=$!
(cd "$buildwin/tests" && wine ./t742crosscheck.exe "$cases" 742 "$(winepath -w "$log/windows.log")")
wait "$linux"
if cmp "$log/linux.log" "$log/windows.log"; then
  echo "identical: $(grep -c '^case' "$log/linux.log") runs, $(grep -c '^s[ecog] ' "$log/linux.log") figures"
else
  echo "t742.exe and t742 differ"
  diff "$log/linux.log" "$log/windows.log" | head -40
  exit 1
fi
