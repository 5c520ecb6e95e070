#!/usr/bin/env bash
# Runs COMMAND on a virtual display of its own: Xvfb with a window manager, so
# that windows have frames and a close box as on a desktop. With --wine, in a
# Wine prefix of its own whose server is bound to that display, so that ending
# it ends only this run's Wine programs. With --scale S, at a display scale of
# S (1.5 is 150 %): Qt's scale factor, and Wine's DPI (144).
#   scripts/with-desktop.sh [--wine] [--scale S] COMMAND [ARG...]
# COMMAND finds in its environment DISPLAY, WINEPREFIX (with --wine), and in
# DESKTOP_PIDS the processes an input event passes through (the X server, the
# window manager, Wine's server), so that it can wait until they are idle.
# When COMMAND ends, all of it is ended and removed; the status is COMMAND's.
#   scripts/with-desktop.sh --new-wine-prefix DIR
# makes a prefix in DIR to be copied: with WINE_PREFIX_TEMPLATE=DIR, --wine
# copies it (a few seconds) rather than making one anew (a quarter of a minute).
set -euo pipefail
readonly screen=1024x768x24
export WINEDEBUG=-all
# No prompts to download Mono or Gecko: t742 needs neither.
export WINEDLLOVERRIDES="mscoree=;mshtml="

usage() {
  sed -n 's/^#   //p' "$0" >&2
  exit 2
}

# Made without a display, so that nothing can ask anything.
new_wine_prefix() {
  DISPLAY= WINEPREFIX=$1 wine wineboot --init >/dev/null 2>&1 || true
  WINEPREFIX=$1 wineserver -w 2>/dev/null || true
}

wine=0 scale=1
while (($#)); do
  case $1 in
    --wine) wine=1 && shift ;;
    --scale) (($# > 1)) || usage; scale=$2 && shift 2 ;;
    --new-wine-prefix) (($# == 2)) || usage; new_wine_prefix "$2"; exit 0 ;;
    --) shift && break ;;
    -*) usage ;;
    *) break ;;
  esac
done
(($#)) || usage

xvfb= wm= prefix= command=
finish() {
  local status=$?
  [ -z "$command" ] || kill "$command" 2>/dev/null || true
  if [ -n "$prefix" ]; then
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
    rm -rf "$prefix"
  fi
  kill $wm $xvfb 2>/dev/null || true
  exit "$status"
}
trap finish EXIT
trap 'exit 143' TERM
trap 'exit 130' INT

# Xvfb chooses a display number that no other X server holds. Without
# -noreset it resets whenever its last client leaves, and refuses a program
# that connects then.
fd=$(mktemp)
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$fd" >/dev/null 2>&1 &
xvfb=$!
until [ -s "$fd" ]; do
  kill -0 "$xvfb" 2>/dev/null || { echo "with-desktop: Xvfb did not start" >&2; exit 1; }
  sleep 0.02
done
export DISPLAY=:$(cat "$fd")
rm -f "$fd"
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for ((i = 0; ; i++)); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  ((i < 500)) || { echo "with-desktop: no window manager came up" >&2; exit 1; }
  sleep 0.02
done
pids="$xvfb $wm"
[ "$scale" = 1 ] || export QT_SCALE_FACTOR=$scale

if ((wine)); then
  prefix=$(mktemp -d "${TMPDIR:-/tmp}/t742-wine.XXXXXX")
  if [ -n "${WINE_PREFIX_TEMPLATE:-}" ]; then
    cp -a "$WINE_PREFIX_TEMPLATE/." "$prefix/"
  else
    new_wine_prefix "$prefix"
  fi
  export WINEPREFIX=$prefix
  # Wine binds its windows to the display of the first program its server
  # runs: every one here has this display.
  wineserver -p
  [ "$scale" = 1 ] || wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
    /d "$(awk -v s="$scale" 'BEGIN { printf "%d", 96 * s + 0.5 }')" /f >/dev/null 2>&1
  # The server works in a folder named after the prefix's device and inode,
  # once it has started in the background.
  folder=$(printf 'server-%x-%x' $(stat -c '%d %i' "$prefix"))
  server=
  for ((i = 0; i < 500; i++)); do
    for p in $(pgrep -u "$(id -u)" wineserver); do
      [[ $(readlink "/proc/$p/cwd" 2>/dev/null) == */"$folder" ]] && server=$p && break 2
    done
    sleep 0.02
  done
  [ -n "$server" ] || { echo "with-desktop: Wine's server did not start" >&2; exit 1; }
  pids+=" $server"
fi

export DESKTOP_PIDS=$pids
status=0
"$@" <&0 &
command=$!
wait "$command" || status=$?
command=
exit "$status"
