#!/usr/bin/env bash
# t742 2 6 in a real X server: the dialog opens on the arc page, Enter presses
# OK, and the exchange, settings and list files are what OK leaves.
set -euo pipefail
source "$(dirname "$0")/dialog_support.sh"
program=$1 view=$2
dir=$(mktemp -d)
xvfb=
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$dir"' EXIT
cp "$program" "$view" "$dir/"
printf 'hk 0\r\nhp1 10 20\r\n' >"$dir/JWC_TEMP.TXT"

start_xvfb
press_enter_in "$dir" ./t742

expected=$'lc1\r\nlw0\r\nse 10 20 100 1 0 0 6.28318530717959 100\r'
actual=$(cat "$dir/JWC_TEMP.TXT")
[ "$actual" = "$expected" ] || { echo "JWC_TEMP.TXT:"; cat -A "$dir/JWC_TEMP.TXT"; exit 1; }
[ "$(wc -l <"$dir/t742.dat")" -eq 32 ] || { echo "t742.dat has not 32 lines"; exit 1; }
[ "$(cat "$dir/t318.lst")" = $'0\r' ] || { echo "t318.lst"; cat -A "$dir/t318.lst"; exit 1; }
[ "$(cat "$dir/t742.lst")" = $'0\r' ] || { echo "t742.lst"; exit 1; }
echo "1 passed, 0 failed"
