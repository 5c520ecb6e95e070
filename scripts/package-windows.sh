#!/usr/bin/env bash
# Builds out/t742-VERSION-win64.zip for a user: one folder t742/ holding
# t742.exe beside its launchers, the guide as one HTML file with its pictures
# inside, the readme in code page 932 with CR LF, the licence and the notices
# of what t742.exe links statically. VERSION is the CMake project version.
# Every file's name begins with t742, so that a user who puts them into the
# sibling program's folder (to share t318.lst) overwrites none of its files.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-windows.sh
bash scripts/build.sh >/dev/null
bash scripts/build-windows.sh >/dev/null
version=$(sed -n 's/^project(t742 VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "no version in CMakeLists.txt" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/package/t742" out

# The guide as one HTML file, its pictures inside.
bash scripts/guide-html.sh "$work/package/t742/t742_guide.html"

cp build-win/t742.exe "$work/package/t742/"
build/t742launchers "$work/package/t742" >/dev/null
build/t742guide --readme words/readme.txt "$version" | iconv -f UTF-8 -t CP932 | sed 's/$/\r/' \
  >"$work/package/t742/t742_readme.txt"
# Notepad opens UTF-8 with its mark and CR LF as it is written.
crlf() { sed 's/$/\r/'; }
{ printf '\xef\xbb\xbf'; crlf <LICENSE; } >"$work/package/t742/t742_LICENSE.txt"
{ printf '\xef\xbb\xbf'; bash scripts/third-party-notices.sh | crlf; } \
  >"$work/package/t742/t742_THIRD-PARTY-NOTICES.txt"

zip="out/t742-$version-win64.zip"
(cd "$work/package" && zip -q -X -r "$work/t742.zip" t742)
mv "$work/t742.zip" "$zip"
echo "$zip"
