#!/usr/bin/env bash
# The main job: set-up, build, then one silent run as the host makes it, in a
# temporary folder: JWC_TEMP.TXT before and after "t742 1 3 25".
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh >/dev/null
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp build/t742 "$dir/"
printf 'hk 0\r\nlc1\r\nlw0\r\nhp1 10 20\r\n' >"$dir/JWC_TEMP.TXT"
echo "== JWC_TEMP.TXT written by the host"
cat "$dir/JWC_TEMP.TXT"
"$dir/t742" 1 3 25
echo "== JWC_TEMP.TXT after: t742 1 3 25"
cat "$dir/JWC_TEMP.TXT"
echo "== t742.dat"
cat "$dir/t742.dat"
