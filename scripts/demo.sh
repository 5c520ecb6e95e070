#!/usr/bin/env bash
# The main job: set-up, build, then the gallery: every mode and silent step as a
# real round trip through JWC_TEMP.TXT with the host stand-in, drawn into
# out/gallery.svg (and out/gallery.png), with every command printed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
dpkg -s librsvg2-bin >/dev/null 2>&1 || {
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq librsvg2-bin
}
bash scripts/build.sh >/dev/null
mkdir -p out
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp build/t742 "$dir/"  # installed alone, as beside the host's files
build/t742host --t742 "$dir/t742" --gallery out/gallery.svg
rsvg-convert out/gallery.svg -o out/gallery.png
echo
echo "The worked example: t742 1 3 25 with picked point 1 at (10, 20):"
rm -f "$dir/t742.dat"
build/t742host --t742 "$dir/t742" --drawing /dev/null --pick 1,10,20 --svg out/worked-example.svg -- 1 3 25
echo
echo "Drawn: out/gallery.svg, out/gallery.png, out/worked-example.svg"
