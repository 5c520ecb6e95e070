#!/usr/bin/env bash
# The Windows package as a user gets it: one folder, unpacked into a folder
# with Japanese characters in its name; a launcher run there by Wine's cmd
# (t742.exe beside it), t742.exe's version resource read back as Windows reads
# it, the readme read as code page 932. Every file's name begins with t742.
#   tests/package_test.sh ZIP VERSION VERINFO.EXE
set -euo pipefail
zip=$(realpath "$1") version=$2 verinfo=$(realpath "$3")
# In a Wine prefix of its own, unless the caller gave one.
[ -n "${DESKTOP_PIDS:-}" ] && [ -n "${WINEPREFIX:-}" ] ||
  exec "$(dirname "$0")/../scripts/with-desktop.sh" --wine "$0" "$zip" "$version" "$verinfo"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
dir="$tmp/外部変形 t742"
mkdir -p "$dir"
unzip -q "$zip" -d "$dir"
fail() { echo "package: $*" >&2; exit 1; }
[ "$(unzip -Z1 "$zip" | cut -d/ -f1 | sort -u)" = t742 ] || fail "not one folder t742/"
app="$dir/t742"
launchers=(t742_1.bat t742_2.bat t742_3.bat t742_4.bat t742_5.bat t742_6.bat
  t742_7so.bat t742_7sg.bat t742_8so.bat t742_8sg.bat t742_set.bat)
docs=(t742_guide.html t742_readme.txt t742_LICENSE.txt t742_THIRD-PARTY-NOTICES.txt)
for f in t742.exe "${docs[@]}" "${launchers[@]}"; do [ -f "$app/$f" ] || fail "no $f"; done
[ "$(unzip -Z1 "$zip" | grep -cv '/$')" -eq $((1 + ${#docs[@]} + ${#launchers[@]})) ] ||
  fail "other files than expected"
! unzip -Z1 "$zip" | grep -v '/$' | grep -qv '^t742/t742' || fail "a file whose name does not begin with t742"

# The worked example through its launcher (mode 1, item 3, radius typed),
# with the defaults of a first run, as the host would run it.
printf 'hq\r\nhk 0\r\nhp1   10 20\r\n' >"$app/JWC_TEMP.TXT"
(cd "$app" && LANG=ja_JP.UTF-8 wine cmd /c t742_1.bat 3 R25 >/dev/null)
printf 'lc1\r\nlw0\r\nse 10 20 25 1 0 0 6.28318530717959 100\r\n' >"$tmp/expected"
cmp "$tmp/expected" "$app/JWC_TEMP.TXT" || fail "t742_1.bat 3 R25 answered otherwise"
[ -f "$app/t742.dat" ] || fail "no t742.dat beside t742.exe"

got=$(wine "$verinfo" "$(winepath -w "$app/t742.exe")" | tr -d '\r')
[ "$got" = "$version $version" ] || fail "version resource '$got', expected $version"

iconv -f CP932 -t UTF-8 "$app/t742_readme.txt" >"$tmp/readme.utf8" || fail "the readme is not code page 932"
grep -q "t742 $version" "$tmp/readme.utf8" || fail "the readme does not name the version"
grep -q 'インストール' "$tmp/readme.utf8" || fail "the readme has no Japanese text"
[ "$(grep -c $'\r$' "$app/t742_readme.txt")" -eq "$(wc -l <"$app/t742_readme.txt")" ] || fail "the readme's lines are not CR LF"
# What a first install, an update and a failed start need, each point in the readme.
for point in 動作環境 許可する すべて展開 'Program Files (x86)' OneDrive t742_set.bat \
  't742 の設定を閉じました。' '■ 何も起きないとき' 未実行 '■ 更新するとき' 'ほかのフォルダや' \
  't318.lst の共用' アンインストール 免責事項 更新履歴 t742_LICENSE.txt t742_THIRD-PARTY-NOTICES.txt; do
  grep -q "$point" "$tmp/readme.utf8" || fail "the readme does not say: $point"
done
! grep -q 'ホスト' "$tmp/readme.utf8" || fail "the readme says ホスト, not CAD"
for f in t742_1.bat t742_8sg.bat t742_set.bat; do
  grep -q "^  $f " "$tmp/readme.utf8" || fail "the readme does not list $f"
done
grep -q 'MIT License' "$app/t742_LICENSE.txt" || fail "t742_LICENSE.txt is not the MIT licence"
for part in winpthreads 'GCC RUNTIME LIBRARY EXCEPTION' 'GNU GENERAL PUBLIC LICENSE'; do
  grep -q "$part" "$app/t742_THIRD-PARTY-NOTICES.txt" || fail "t742_THIRD-PARTY-NOTICES.txt lacks $part"
done

# The guide is one file: its pictures are inside it.
grep -q 'data:image/svg+xml' "$app/t742_guide.html" || fail "the guide has no result pictures"
grep -q 'data:image/png' "$app/t742_guide.html" || fail "the guide has no dialog pictures"
! grep -q 'src="cells/\|src="win32-' "$app/t742_guide.html" || fail "the guide refers to outside files"
echo "package: $zip passed"
