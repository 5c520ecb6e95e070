#!/usr/bin/env bash
# The Windows program, built here with MinGW-w64 and tested under Wine: the
# test suite, hundreds of pseudo-random runs compared byte for byte with the
# Linux build, the dialog scenarios on the Win32 and the Qt window (the
# release builds) at two display scales, random user sessions played on both
# windows (SESSIONS of them, 30 by default), and every launcher through the
# host stand-in.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-windows.sh
bash scripts/build.sh >/dev/null
bash scripts/build-windows.sh >/dev/null

# Every suite runs on displays and in Wine prefixes of its own
# (scripts/with-desktop.sh). A prefix is copied from one made here, unless the
# caller made it: making one takes a quarter of a minute, a copy seconds.
if [ -z "${WINE_PREFIX_TEMPLATE:-}" ]; then
  WINE_PREFIX_TEMPLATE=$(mktemp -d)
  trap 'rm -rf "$WINE_PREFIX_TEMPLATE"' EXIT
  scripts/with-desktop.sh --new-wine-prefix "$WINE_PREFIX_TEMPLATE"
  export WINE_PREFIX_TEMPLATE
fi

# The suites keep less than one processor busy each, waiting on their windows:
# two at a time fill the machine. Each one's report is printed, with the time
# it took, in the order given, once it and those before it have ended.
two_at_a_time() {
  local work i status=0 start
  work=$(mktemp -d)
  for i in $(seq 0 $(($# - 1))); do
    while (($(jobs -rp | wc -l) >= 2)); do wait -n || true; done
    start=$SECONDS
    { s=0; env -u DISPLAY -u WINEPREFIX -u DESKTOP_PIDS bash -c "${@:i + 1:1}" >"$work/$i" 2>&1 || s=$?
      echo "$s $((SECONDS - start))" >"$work/$i.end"; } &
  done
  wait
  for i in $(seq 0 $(($# - 1))); do
    cat "$work/$i"
    read -r s t <"$work/$i.end"
    echo "   ($t s)"
    ((s == 0)) || status=1
  done
  rm -rf "$work"
  return "$status"
}

# The longest first. A new seed for the random sessions each run, printed, so
# that a divergence found can be replayed.
scenarios="tests/dialog_scenarios.sh tests/scenarios/dialog.txt build/t742layout qt=build wine=build-win"
two_at_a_time \
  "echo '== the dialog scenarios on both windows at 100 %'; $scenarios" \
  "echo '== the dialog scenarios on both windows at 150 % (Wine at 144 dpi)'; SCALE=1.5 $scenarios" \
  "tests/wine_suite.sh build build-win ${CASES:-300}" \
  "echo '== ${SESSIONS:-30} random user sessions on both windows, their files compared'
   tests/dialog_differential.sh ${SEED:-random} ${SESSIONS:-30} qt=build wine=build-win" \
  "echo \"== every launcher and menu item through the host stand-in, under Wine's cmd\"
   tests/launcher_test.sh build build-win"
