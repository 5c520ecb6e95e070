#!/usr/bin/env bash
# "t742 2 6" in a real X server, once with the Linux program and its Qt window,
# once with t742.exe and its Win32 window under Wine: Enter presses OK in each,
# and the files the two leave must be the same, byte for byte.
#   wine_dialog_test.sh LINUX-t742 LINUX-libt742view.so WINDOWS-t742.exe
set -euo pipefail
linux=$1 view=$2 exe=$3
root=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$root"' EXIT
mkdir -p "$root/linux" "$root/テスト"
cp "$linux" "$view" "$root/linux/"
cp "$exe" "$root/テスト/"
for d in "$root/linux" "$root/テスト"; do printf 'hk 15\r\nhp1 10 20\r\n' >"$d/JWC_TEMP.TXT"; done

# A display number that no other X server holds, chosen by Xvfb itself.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$root/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$root/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$root/display") WINEDEBUG=-all

# Starts the program in its folder, waits for its window, presses Enter.
press_enter_in() {
  local folder=$1
  shift
  (cd "$folder" && exec "$@" 2 6) &
  local app=$! window=
  for _ in $(seq 300); do
    window=$(xdotool search --name '^Velmora$' 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "no window from $*"; return 1; }
  # Enter goes to the focused window; pressed again should the first one come
  # before the window took the focus.
  for _ in 1 2 3; do
    sleep 0.5
    timeout 10 xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key Return
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app" 2>/dev/null || break
  done
  if kill -0 "$app" 2>/dev/null; then echo "$* did not close"; kill "$app"; return 1; fi
  wait "$app"
}

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
