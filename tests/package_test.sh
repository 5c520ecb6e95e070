#!/usr/bin/env bash
# The Windows package as a user gets it: unpacked into a folder with Japanese
# characters in its name, t742.exe run there under Wine, its version resource
# read back as Windows reads it, readme.txt read as code page 932.
#   tests/package_test.sh ZIP VERSION VERINFO.EXE
set -euo pipefail
zip=$1 version=$2 verinfo=$3
source "$(dirname "$0")/wine_prefix.sh"
tmp=$(mktemp -d)
trap 'wine_prefix_done; rm -rf "$tmp"' EXIT
dir="$tmp/外部変形 t742"
mkdir -p "$dir"
unzip -q "$zip" -d "$dir"
fail() { echo "package: $*" >&2; exit 1; }
for f in t742.exe guide-ja.html readme.txt; do [ -f "$dir/$f" ] || fail "no $f"; done
[ "$(unzip -Z1 "$zip" | wc -l)" -eq 3 ] || fail "more than the three files"

# The worked example, with the defaults of a first run.
printf 'hp1 10 20\r\n' >"$dir/JWC_TEMP.TXT"
(cd "$dir" && wine ./t742.exe 1 3 25)
printf 'lc1\r\nlw0\r\nse 10 20 25 1 0 0 6.28318530717959 100\r\n' >"$tmp/expected"
cmp "$tmp/expected" "$dir/JWC_TEMP.TXT" || fail "t742.exe 1 3 25 answered otherwise"
[ -f "$dir/t742.dat" ] || fail "no t742.dat beside t742.exe"

got=$(wine "$verinfo" "$(winepath -w "$dir/t742.exe")" | tr -d '\r')
[ "$got" = "$version $version" ] || fail "version resource '$got', expected $version"

iconv -f CP932 -t UTF-8 "$dir/readme.txt" >"$tmp/readme.utf8" || fail "readme.txt is not code page 932"
grep -q "t742 $version" "$tmp/readme.utf8" || fail "readme.txt does not name the version"
grep -q 'インストール' "$tmp/readme.utf8" || fail "readme.txt has no Japanese text"
[ "$(grep -c $'\r$' "$dir/readme.txt")" -eq "$(wc -l <"$dir/readme.txt")" ] || fail "readme.txt lines not CR LF"

# The guide is one file: its pictures are inside it.
grep -q 'data:image/svg+xml' "$dir/guide-ja.html" || fail "the guide has no result pictures"
grep -q 'data:image/png' "$dir/guide-ja.html" || fail "the guide has no dialog pictures"
! grep -q 'src="cells/\|src="win32-' "$dir/guide-ja.html" || fail "the guide refers to outside files"
echo "package: $zip passed"
