#!/usr/bin/env bash
# Every launcher and every menu item followed by the host stand-in, the batch
# run by Wine's cmd in a folder whose name has Japanese characters and a blank,
# then in one whose name has characters cmd could take apart, with random
# picks and typed (now and then full-width) or empty numbers. Each answer (and
# t742.dat) must equal, byte for byte, what t742.exe leaves when run directly
# with the arguments the item stands for. A run that can draw nothing must
# leave the reason for the host to show, one that draws must not; a typed value
# is read as typed half-width or refused with a notice, never cut short or read
# as 0. Then the launchers without t742.exe beside them must leave their "he"
# message. The dialogs of step 6 and of the settings launcher show on a
# virtual display, where OK is pressed for them.
#   tests/launcher_test.sh BUILD-DIR WINDOWS-BUILD-DIR [SEED]
set -euo pipefail
build=$(realpath "$1") buildwin=$(realpath "$2") seed=${3:-742}
cd "$(dirname "$0")/.."
# On a display and in a Wine prefix of its own, one server for all the runs
# below, unless the caller gave them.
[ -n "${DESKTOP_PIDS:-}" ] && [ -n "${WINEPREFIX:-}" ] ||
  exec scripts/with-desktop.sh --wine tests/launcher_test.sh "$build" "$buildwin" "$seed"
source scripts/lib/dialog-window.sh
tmp=$(mktemp -d)
# As on a Japanese desktop: cmd reads the batch and writes echo in code page 932.
export LANG=ja_JP.UTF-8
presser=
stop() {
  kill $presser 2>/dev/null || true
  rm -rf "$tmp"
}
trap stop EXIT
# Presses OK (Enter) in every dialog titled TITLE that shows, once it and the
# programs PIDS (the display's, Wine's server) are idle, for as long as the
# test runs.
press_ok() {
  local title=$1 pids=$2 w
  while :; do
    for w in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
      settle $pids $(xdotool getwindowpid "$w" 2>/dev/null) || true
      timeout 10 xdotool windowactivate --sync "$w" key Return 2>/dev/null || true
    done
    sleep 0.1
  done
}
press_ok "$(window_title <("$build/t742layout"))" "$DESKTOP_PIDS" &
presser=$!
direct="$tmp/direct"
mkdir -p "$direct"
cp "$buildwin/t742.exe" "$direct/"
RANDOM=$seed
fail() { echo "launchers: $*" >&2; exit 1; }

# The directives of item ITEM (0: a launcher without a menu), one per line:
# "P N" for a picked point, "C DEFAULT PREFIX" for a typed number.
asks() {
  iconv -f CP932 -t UTF-8 "$1" | tr -d '\r' | awk -v item="$2" '
    item == 0 || $0 == "REM #:" item { on = 1; next }
    on && $0 == "REM #e" { exit }
    on && /^REM #[0-9]+ / { sub(/^REM #/, ""); print "P", $1 }
    on && /^REM #c / { d = $0; sub(/.*空欄は /, "", d); sub(/）.*/, "", d)
                       p = $0; sub(/.* \/_/, "", p); print "C", d, p }'
}

# A random length or angle, negative, decimal or whole, into $v. Not printed
# for a command substitution: bash seeds a subshell's RANDOM anew, and the
# run would no longer follow SEED.
number() {
  case $((RANDOM % 4)) in
    0) v=$((RANDOM % 200 + 1)) ;;
    1) v=$((RANDOM % 90 + 10)).$((RANDOM % 10))5 ;;
    2) v=-$((RANDOM % 360)) ;;
    3) v=$((RANDOM % 50 + 1)).$((RANDOM % 100)) ;;
  esac
}

# $1 as the input method types it, into $f: full-width digits, point and minus.
full_width() {
  local s=$1 d
  local -a digits=(０ １ ２ ３ ４ ５ ６ ７ ８ ９)
  for d in 0 1 2 3 4 5 6 7 8 9; do s=${s//$d/${digits[d]}}; done
  s=${s//./．}
  f=${s//-/－}
}

# Runs t742.exe in the direct folder on the question the stand-in wrote, and
# holds the launcher's answer in DIR to it byte for byte. ARGS: t742's.
same_as_direct() {  # DIR WHAT ARGS...
  local dir=$1 what=$2
  shift 2
  cp "$tmp/question" "$direct/JWC_TEMP.TXT"
  (cd "$direct" && timeout 60 wine ./t742.exe "$@") || fail "t742.exe $* failed"
  cmp -s "$dir/JWC_TEMP.TXT" "$direct/JWC_TEMP.TXT" ||
    { cat "$tmp/log"; diff <(tr -d '\r' <"$dir/JWC_TEMP.TXT") <(tr -d '\r' <"$direct/JWC_TEMP.TXT") || true
      fail "$what: the answer differs from t742.exe $*"; }
}

# What nothing drawn looks like to the user: the host shows why, and nothing
# is drawn.
notice() {  # EXPECTED-TEXT STAND-IN-OPTIONS...
  local want=$1
  shift
  "$build/t742host" "$@" >"$tmp/log" || true
  if [ -n "$want" ]; then
    grep -q "error shown: t742：$want" "$tmp/log" || { cat "$tmp/log"; fail "no notice: $want"; }
    ! grep -q '^s[ecog] ' "$dir/JWC_TEMP.TXT" || fail "a figure beside the notice: $want"
  else
    ! grep -q 'error shown' "$tmp/log" || { cat "$tmp/log"; fail "a notice for a drawn figure"; }
  fi
}

# Every check below, with the launchers in the folder DIR.
suite() {
  dir=$1
  mkdir -p "$dir"
  "$build/t742launchers" "$dir" >/dev/null
  cp "$buildwin/t742.exe" "$dir/"
  local runs=0 figures=0 start=$SECONDS bat name mode ring items item opts args kind a b status
  for bat in "$dir"/*.bat; do
    name=$(basename "$bat")
    [[ $name =~ ^t742_([1-8])(so|sg)?\.bat$|^t742_set\.bat$ ]] || fail "unexpected launcher $name"
    mode=${BASH_REMATCH[1]:-0} ring=${BASH_REMATCH[2]:-}
    items=$([ "$mode" = 0 ] && echo 0 || echo 1 2 3 4 5 6)
    for item in $items; do
      opts=() args=()
      [ "$mode" = 0 ] || { opts+=(--item "$item"); args+=(/explain "$mode" "$item"); }
      case $ring in so) args+=(0) ;; sg) args+=(1) ;; esac
      while read -r kind a b; do
        if [ "$kind" = P ]; then
          opts+=(--pick "$a,$((RANDOM % 200 - 100)).$((RANDOM % 10)),$((RANDOM % 200 - 100))")
        elif ((RANDOM % 3 == 0)); then
          # An empty answer: the host passes nothing, or the prefix alone.
          if ((RANDOM % 2)); then opts+=(--skip); else opts+=(--type ''); fi
          args+=("$a")
        else
          number
          # Typed with the input method on now and then: read as typed half-width.
          if ((RANDOM % 3 == 0)); then full_width "$v"; opts+=(--type "$f"); else opts+=(--type "$v"); fi
          args+=("$v")
        fi
      done < <(asks "$bat" "$item")
      # A dialog that never showed would wait for ever: a minute is plenty. The
      # stand-in fails when the host shows an error, as for a figure it cannot
      # draw; the answer itself is compared below.
      status=0
      timeout 60 "$build/t742host" --launcher "$bat" "${opts[@]}" --question "$tmp/question" >"$tmp/log" ||
        status=$?
      if [ "$status" -ne 0 ] && ! grep -q 'error shown: t742：' "$tmp/log"; then
        cat "$tmp/log"; fail "$name item $item: the stand-in failed"
      fi
      if [ "$mode" = 0 ]; then
        # Without arguments t742 leaves the exchange file as it is; the launcher
        # then says it ran.
        cp "$tmp/question" "$direct/JWC_TEMP.TXT"
        (cd "$direct" && timeout 60 wine ./t742.exe) || fail "t742.exe alone failed"
        cmp -s "$tmp/question" "$direct/JWC_TEMP.TXT" || fail "t742.exe alone wrote an answer"
        printf 'h#%s\r\n' "$(echo 't742 の設定を閉じました。' | iconv -t CP932)" >"$tmp/closed"
        cmp -s "$dir/JWC_TEMP.TXT" "$tmp/closed" || fail "$name: not the settings' closing notice"
      else
        same_as_direct "$dir" "$name item $item" "${args[@]}"
      fi
      cmp -s "$dir/t742.dat" "$direct/t742.dat" || fail "$name item $item: t742.dat differs"
      # OK in the dialog draws the dialog's figure: the item ran the right mode.
      [ "$item" != 6 ] || grep -q '^s[ecog] ' "$dir/JWC_TEMP.TXT" || fail "$name item 6: OK drew nothing"
      runs=$((runs + 1)) figures=$((figures + $(grep -c '^s[ecog] ' "$dir/JWC_TEMP.TXT" || true)))
    done
  done
  echo "launchers in $(basename "$dir"): $runs items, each answer equal to a direct run;" \
    "$figures figure records ($((SECONDS - start)) s)"

  notice '3点が一直線上にあるか重なっていて' --launcher "$dir/t742_1.bat" --item 4 \
    --pick 1,0,0 --pick 2,10,10 --pick 3,5,5
  notice '半径が 0 以下です。0 より大きい半径を半角数字で入力してください。' \
    --launcher "$dir/t742_3.bat" --item 3 --pick 1,0,0 --type 0
  notice '' --launcher "$dir/t742_1.bat" --item 4 --pick 1,0,0 --pick 2,10,10 --pick 3,5,0
  echo "launchers: nothing drawn is explained, a figure drawn is not"

  # Typed as users type, and as cmd cuts it: the figure of the half-width
  # numbers (t742's arguments), or a notice and no figure. The values are
  # split at "/"; "_" is an empty answer passed as the prefix alone, "~" one
  # passed as nothing.
  local launcher typed want t cases=0
  local -a values
  while IFS='|' read -r launcher typed want; do
    opts=(--launcher "$dir/$launcher" --item 3 --pick 1,0,0)
    IFS=/ read -ra values <<<"$typed"
    for t in "${values[@]}"; do
      case $t in _) opts+=(--type '') ;; '~') opts+=(--skip) ;; *) opts+=(--type "$t") ;; esac
    done
    if [[ $want == he* ]]; then
      notice "${want#he }" "${opts[@]}"
    else
      "$build/t742host" "${opts[@]}" --question "$tmp/question" >"$tmp/log" ||
        { cat "$tmp/log"; fail "$launcher $typed: the stand-in failed"; }
      same_as_direct "$dir" "$launcher $typed" /explain $want
      grep -q '^s[ecog] ' "$dir/JWC_TEMP.TXT" || fail "$launcher $typed: nothing drawn"
    fi
    cases=$((cases + 1))
  done <<'TYPED'
t742_4.bat|３０/３０/９０|4 3 30 30 90
t742_4.bat|２５．５/－３０/９０|4 3 25.5 -30 90
t742_4.bat|　３０　/＋３０/９０|4 3 30 30 90
t742_7sg.bat|４０/１０|7 3 1 40 10
t742_8so.bat|_/~/３０/_|8 3 0 100 50 30 360
t742_4.bat|30/あ/90|he 「あ」は数値として読めません。半角数字で
t742_4.bat|30/30度/90|he 「30度」は数値として読めません。単位を付けずに
t742_4.bat|30/３０度/90|he 「３０度」は数値として読めません。単位を付けずに
t742_4.bat|30/30/30°|he 「30°」は数値として読めません。単位を付けずに
t742_4.bat|30/30 度/90|he 「30 度」は数値として読めません。単位を付けずに
t742_4.bat|1,000/30/90|he 「1 000」は数値として読めません。空白・コンマ
t742_4.bat|2 5/30/90|he 「2 5」は数値として読めません。空白・コンマ
t742_7so.bat|40/1;0|he 「1 0」は数値として読めません。空白・コンマ
t742_3.bat|2=5|he 「2 5」は数値として読めません。空白・コンマ
TYPED
  echo "launchers: $cases typed values read as typed half-width, or refused with a notice"

  # Without t742.exe, the host must show why nothing was drawn.
  rm "$dir/t742.exe"
  local expected
  expected=$(printf 'he%s' "t742.exe がこのバッチファイルと同じフォルダにありません。t742.exe をこのバッチファイルと同じフォルダに置いてください。" |
    iconv -t CP932)
  for launcher in t742_1.bat t742_set.bat; do
    opts=()
    [ "$launcher" = t742_set.bat ] || opts=(--item 2 --pick 1,0,0)
    if "$build/t742host" --launcher "$dir/$launcher" "${opts[@]}" >"$tmp/log"; then
      fail "$launcher without t742.exe: reported as success"
    fi
    [ "$(cat "$dir/JWC_TEMP.TXT")" = "$expected"$'\r' ] || fail "$launcher without t742.exe: no he line"
    grep -q 'error shown: t742.exe がこのバッチファイル' "$tmp/log" || fail "the stand-in did not show the he line"
  done
  echo "launchers: without t742.exe, the he message"
}

suite "$tmp/外部変形 t742"
# Characters cmd could take apart: a second byte that is "\" (ソ 表 能),
# parentheses, & ^ % !.
suite "$tmp/ソ表能 (x) & ^ % ! t742"
