#!/usr/bin/env bash
# The guide as a user sees it: builds guide-ja.html as the package does, opens
# it in headless Chromium in a window 1200 pixels wide, measures its pictures
# and takes screenshots: out/guide-ja.png (the whole page) and
# out/guide-ja-top.png (from the top through the first table). Fails when a
# picture of the first table is narrower than MIN_WIDTH (160) pixels, or when
# a picture did not load.
set -euo pipefail
cd "$(dirname "$0")/.."
min_width=${MIN_WIDTH:-160}
missing=()
for p in chromium pandoc; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi
bash scripts/build.sh >/dev/null
mkdir -p out
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash scripts/guide-html.sh out/guide-ja.html

browse() {  # HEIGHT ARGS...: one headless run in a fresh profile, a window 1200 wide
  local height=$1
  shift
  chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --hide-scrollbars --user-data-dir="$(mktemp -d -p "$work")" \
    --window-size=1200,"$height" "$@" 2>/dev/null
}

# A copy of the page that writes what it measured into itself once loaded.
cat >"$work/measure.js" <<'JS'
<script>
window.addEventListener('load', () => {
  const box = (e) => e.getBoundingClientRect();
  const tables = [...document.querySelectorAll('table')];
  const first = tables[0];
  const lines = [
    'window ' + window.innerWidth,
    'page ' + Math.ceil(document.documentElement.scrollHeight),
    'first-table-bottom ' + Math.ceil(box(first).bottom + window.scrollY),
    'first-table ' + [...first.querySelectorAll('img')].map(i => Math.round(box(i).width)).join(' '),
    'other-tables ' + tables.slice(1).flatMap(t => [...t.querySelectorAll('img')])
                             .map(i => Math.round(box(i).width)).join(' '),
    'unloaded ' + [...document.images].filter(i => !i.complete || i.naturalWidth === 0).length,
  ];
  const pre = document.createElement('pre');
  pre.id = 'measured';
  pre.textContent = lines.join('\n');
  document.body.appendChild(pre);
});
</script>
JS
# (A script after the end of the page runs as the last part of its body.)
cat out/guide-ja.html "$work/measure.js" >"$work/measure.html"
browse 2000 --virtual-time-budget=5000 --dump-dom "file://$work/measure.html" >"$work/dom.html"
sed -n '/<pre id="measured">/,/<\/pre>/p' "$work/dom.html" | sed 's/<[^>]*>//g' >"$work/measured"
[ -s "$work/measured" ] || { echo "the page measured nothing" >&2; exit 1; }
cat "$work/measured"
value() { sed -n "s/^$1 //p" "$work/measured"; }

browse "$(value page)" --screenshot="$PWD/out/guide-ja.png" "file://$PWD/out/guide-ja.html" >/dev/null
browse "$(($(value first-table-bottom) + 24))" --screenshot="$PWD/out/guide-ja-top.png" \
  "file://$PWD/out/guide-ja.html" >/dev/null

status=0
[ "$(value window)" = 1200 ] || { echo "the window is $(value window) pixels wide, not 1200" >&2; status=1; }
[ "$(value unloaded)" = 0 ] || { echo "$(value unloaded) picture(s) did not load" >&2; status=1; }
first=$(value first-table)
[ -n "$first" ] || { echo "the first table has no pictures" >&2; status=1; }
for w in $first; do
  [ "$w" -ge "$min_width" ] || { echo "a picture of the first table is $w pixels wide (< $min_width)" >&2; status=1; }
done
echo "Drawn: out/guide-ja.html, out/guide-ja.png, out/guide-ja-top.png"
exit $status
