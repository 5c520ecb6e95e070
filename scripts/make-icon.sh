#!/usr/bin/env bash
# Renders the window's and the file's icon from app/res/icon.svg into a
# multi-size .ico: make-icon.sh OUT.ico
set -euo pipefail
src="$(dirname "$0")/../app/res/icon.svg"
out=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
sizes=(16 24 32 48 256)
for s in "${sizes[@]}"; do rsvg-convert -w "$s" -h "$s" "$src" -o "$tmp/$s.png"; done
# The 256-pixel image is stored as PNG, the small ones as bitmaps.
icotool -c -o "$out" "$tmp/16.png" "$tmp/24.png" "$tmp/32.png" "$tmp/48.png" -r "$tmp/256.png"
