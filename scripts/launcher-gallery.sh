#!/usr/bin/env bash
# The Windows gallery: every launcher's steps 1 to 5 followed by the host
# stand-in, with t742.exe beside the launchers in a folder whose name has
# Japanese characters and a blank, the batches run by Wine's cmd. Drawn into
# out/launcher-gallery.svg (and .png).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-windows.sh
bash scripts/build.sh >/dev/null
bash scripts/build-windows.sh >/dev/null
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# As on a Japanese desktop: cmd reads the batch in code page 932.
export LANG=ja_JP.UTF-8
dir="$tmp/外部変形 t742"
mkdir -p "$dir" out
build/t742launchers "$dir" >/dev/null
cp build-win/t742.exe "$dir/"
scripts/with-desktop.sh --wine build/t742host --launchers "$dir" --gallery out/launcher-gallery.svg
rsvg-convert out/launcher-gallery.svg -o out/launcher-gallery.png
echo "Drawn: out/launcher-gallery.svg, out/launcher-gallery.png"
