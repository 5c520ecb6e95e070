#!/usr/bin/env bash
# t742 2 6 in a real X server: the dialog opens on the arc page, Enter presses
# OK, and the exchange, settings and list files are what OK leaves.
set -euo pipefail
program=$1 view=$2
dir=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$dir"' EXIT
cp "$program" "$view" "$dir/"
printf 'hk 0\r\nhp1 10 20\r\n' >"$dir/JWC_TEMP.TXT"

# A display number that no other X server holds, chosen by Xvfb itself.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/.display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$dir/.display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$dir/.display")
rm -f "$dir/.display"

"$dir/t742" 2 6 &
app=$!
window=
for _ in $(seq 100); do
  window=$(xdotool search --name '^Velmora$' 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "no window appeared"; exit 1; }
# Enter goes to the focused window; pressed again should the first one come
# before the window took the focus.
for _ in 1 2 3; do
  sleep 0.3
  timeout 10 xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key Return
  for _ in $(seq 30); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app" 2>/dev/null || break
done
if kill -0 "$app" 2>/dev/null; then echo "t742 did not close"; kill "$app"; exit 1; fi
wait "$app"

expected=$'lc1\r\nlw0\r\nse 10 20 100 1 0 0 6.28318530717959 100\r'
actual=$(cat "$dir/JWC_TEMP.TXT")
[ "$actual" = "$expected" ] || { echo "JWC_TEMP.TXT:"; cat -A "$dir/JWC_TEMP.TXT"; exit 1; }
[ "$(wc -l <"$dir/t742.dat")" -eq 32 ] || { echo "t742.dat has not 32 lines"; exit 1; }
[ "$(cat "$dir/t318.lst")" = $'0\r' ] || { echo "t318.lst"; cat -A "$dir/t318.lst"; exit 1; }
[ "$(cat "$dir/t742.lst")" = $'0\r' ] || { echo "t742.lst"; exit 1; }
echo "1 passed, 0 failed"
