#!/usr/bin/env bash
# "t742 2 6" in a real X server, once with the Linux program and its Qt window,
# once with t742.exe and its Win32 window under Wine: Enter presses OK in each,
# and the files the two leave must be the same, byte for byte.
#   wine_dialog_test.sh LINUX-t742 LINUX-libt742view.so WINDOWS-t742.exe
set -euo pipefail
source "$(dirname "$0")/dialog_support.sh"
linux=$1 view=$2 exe=$3
root=$(mktemp -d)
xvfb=
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$root"' EXIT
mkdir -p "$root/linux" "$root/テスト"
cp "$linux" "$view" "$root/linux/"
cp "$exe" "$root/テスト/"
for d in "$root/linux" "$root/テスト"; do printf 'hk 15\r\nhp1 10 20\r\n' >"$d/JWC_TEMP.TXT"; done

start_xvfb
export WINEDEBUG=-all

# Wine binds its windows to the display of the first program its server runs.
wineserver -k 2>/dev/null || true
press_enter_in "$root/linux" ./t742
press_enter_in "$root/テスト" wine ./t742.exe
wineserver -w 2>/dev/null || true

failed=0
for f in JWC_TEMP.TXT t742.dat t318.lst t742.lst; do
  if ! cmp -s "$root/linux/$f" "$root/テスト/$f"; then
    echo "$f differs"; diff <(cat -A "$root/linux/$f") <(cat -A "$root/テスト/$f") || true; failed=1
  fi
done
grep -q '^se 10 20 100 1 0 0 6.28318530717959 100' "$root/linux/JWC_TEMP.TXT" ||
  { echo "unexpected figure:"; cat -A "$root/linux/JWC_TEMP.TXT"; failed=1; }
[ "$failed" -eq 0 ] && echo "1 passed, 0 failed" || { echo "0 passed, 1 failed"; exit 1; }
