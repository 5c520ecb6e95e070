#!/usr/bin/env bash
# Builds the guide as the package holds it: docs/guide-ja.md with every
# round trip's picture and the dialog pictures inside one HTML file, OUT.html.
# Needs build/ (scripts/build.sh) and pandoc.
set -euo pipefail
out=$(realpath -m "$1")
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/run" "$work/guide/cells"

# The guide's tables are the program's own (the test suite checks this too).
build/t742guide --check docs/guide-ja.md

# A picture of every mode and step: the gallery's round trips, one by one.
cp build/t742 "$work/run/"
build/t742host --t742 "$work/run/t742" --gallery "$work/gallery.svg" --cells "$work/guide/cells" >/dev/null
cp docs/guide-ja.md docs/win32-dialog-page*.png "$work/guide/"
# The pictures scale with their width (each has a view box). The first table
# (what each launcher draws) shows them large enough to tell the figures
# apart; the reference tables further down a little smaller.
cat >"$work/style.html" <<'CSS'
<style>
body { font-family: "Yu Gothic UI", "Meiryo", sans-serif; max-width: 60em; margin: 2em auto; line-height: 1.6; }
table { border-collapse: collapse; } th, td { border: 1px solid #bbb; padding: 0.2em 0.6em; }
td img { width: 168px; height: auto; vertical-align: middle; }
table:first-of-type td img { width: 216px; }
code { background: #f2f2f2; }
</style>
CSS
(cd "$work/guide" && pandoc guide-ja.md --standalone --self-contained --metadata pagetitle="t742 使い方ガイド" \
  --include-in-header="$work/style.html" -o "$work/guide.html")
mv "$work/guide.html" "$out"
