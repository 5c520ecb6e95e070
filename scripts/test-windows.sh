#!/usr/bin/env bash
# The Windows program, built here with MinGW-w64 and tested under Wine: the
# test suite, hundreds of pseudo-random runs compared byte for byte with the
# Linux build, the dialog scenarios on the Win32 and the Qt window (the
# release builds) at two display scales, and random user sessions played on
# both windows (SESSIONS of them, 30 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-windows.sh
bash scripts/build.sh >/dev/null
bash scripts/build-windows.sh >/dev/null

source tests/wine_prefix.sh
echo "== the test suite under Wine, its window tests on a virtual display"
source tests/dialog_support.sh
read -r display xvfb wm < <(start_display) || { echo "no display came up"; exit 1; }
export DISPLAY=$display
trap 'wine_prefix_done; kill "$wm" "$xvfb" 2>/dev/null || true' EXIT
# Wine binds its windows to the display of the first program its server runs.
wineserver -k 2>/dev/null || true
(cd build-win/tests && wine ./t742_tests.exe --gtest_brief=1)
wine build-win/tests/t742manifest.exe build-win/t742.exe app/res/t742.manifest
tests/no_fault_hook.sh build-win/tests/t742_faults.exe build-win/t742.exe

echo "== t742.exe against the Linux build, ${CASES:=300} pseudo-random runs"
log=$(mktemp -d)
trap 'wine_prefix_done; kill "$wm" "$xvfb" 2>/dev/null || true; rm -rf "$log"' EXIT
build/tests/t742crosscheck "$CASES" 742 "$log/linux.log"
(cd build-win/tests && wine ./t742crosscheck.exe "$CASES" 742 "$(winepath -w "$log/windows.log")")
if cmp "$log/linux.log" "$log/windows.log"; then
  echo "identical: $(grep -c '^case' "$log/linux.log") runs, $(grep -c '^s[ecog] ' "$log/linux.log") figures"
else
  echo "t742.exe and t742 differ"; diff "$log/linux.log" "$log/windows.log" | head -40; exit 1
fi

wineserver -k 2>/dev/null || true
kill "$wm" "$xvfb" 2>/dev/null || true

# The suites below each keep less than one processor busy, waiting on their
# windows; two at a time fill the machine. Each pair runs side by side, each
# suite with displays and a Wine prefix of its own (so that ending its Wine
# ends only its own programs), and their reports follow in the order given.
side_by_side() {
  local -a pids=() logs=()
  local command i status=0
  for command; do
    logs+=("$(mktemp)")
    env -u T742_WINE_PREFIX_OWNER -u WINEPREFIX bash -c "$command" >"${logs[-1]}" 2>&1 &
    pids+=($!)
  done
  for i in "${!pids[@]}"; do
    wait "${pids[i]}" || status=1
    cat "${logs[i]}"
    rm -f "${logs[i]}"
  done
  return "$status"
}

echo "== the dialog scenarios on both windows, at 100 % and at 150 % (Wine at 144 dpi)"
scenarios="tests/dialog_scenarios.sh tests/scenarios/dialog.txt build/t742layout qt=build wine=build-win"
side_by_side "$scenarios" "SCALE=1.5 $scenarios"

# A new seed each run, printed, so that a divergence found can be replayed.
echo "== ${SESSIONS:=30} random user sessions on both windows, their files compared;" \
  "every launcher and menu item through the host stand-in, under Wine's cmd"
side_by_side "tests/dialog_differential.sh ${SEED:-random} $SESSIONS qt=build wine=build-win" \
  "tests/launcher_test.sh build build-win"
