#!/usr/bin/env bash
# Pictures of both windows' four pages for the README, captured from the
# screen of a virtual X display while each real window is shown there:
# docs/dialog-page1..4.png (Qt) and docs/win32-dialog-page1..4.png (Win32,
# t742.exe under Wine). The pages are chosen by clicking their tabs.
# SCALE=1.5 shows them at a display scale of 150 % (Wine at 144 dpi), as
# docs/dialog-page1..4-150.png and docs/win32-dialog-page1..4-150.png.
set -euo pipefail
cd "$(dirname "$0")/.."
readonly display_scale=${SCALE:-1}
# Built, then taken on a display and in a Wine prefix of their own.
if [ "${1:-}" != --on-desktop ]; then
  bash scripts/build.sh >/dev/null
  bash scripts/build-windows.sh >/dev/null
  exec scripts/with-desktop.sh --wine --scale "$display_scale" scripts/render-dialog.sh --on-desktop
fi
source scripts/lib/dialog-window.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/t742layout >"$work/layout"
title=$(window_title "$work/layout")
read -r cursor_x cursor_y < <(screen_centre)
suffix=$([ "$display_scale" = 1 ] || echo "-$(scaled 100 "$display_scale")")

# The arc page's mode with a few list entries and a chosen colour and width.
sample() {
  mkdir -p "$1"
  printf 'hk 30\r\nhp1 0 0\r\n' >"$1/JWC_TEMP.TXT"
  printf '%s\r\n' 0 0 3 0 0 25 100 100 100 100 0 50 1 0 0 100 100 100 100 0 50 0 360 1 0 0 \
    100 1 50 0 0 0 >"$1/t742.dat"
  printf '%s\r\n' 3 'C=3 F=0 S=0 W=25' 'C=1 F=1 S=255 W=50' 'C=12 F=0 S=0 W=' >"$1/t318.lst"
  printf '%s\r\n' 2 'S=0 A=100 B=100 C=100 D=100 E=0 J=0 F=50 G=0 H=360' \
    'S=1 A=100 B=100 C=80 D=40 E=30 J=1 F=20 G=0 H=90' >"$1/t742.lst"
}

# Shows the dialog of the program (COMMAND...) in DIR and captures its pages
# as docs/PREFIX-pageN.png, each once the display's programs and the window's
# (PIDS and its own) are idle.
shoot() {
  local prefix=$1 dir=$2 pids=$3 app window origin l r t b w h page
  shift 3
  xdotool mousemove "$cursor_x" "$cursor_y"
  (cd "$dir" && exec "$@" 2 6) >/dev/null 2>&1 &
  app=$!
  window=$(wait_for_window "$title" "$app") || { echo "no window from $*" >&2; return 1; }
  settle $pids $app || true
  read -r l r t b < <(frame_extents "$window")
  read -r w h < <(client_size "$work/layout" "$display_scale")
  origin=$(client_origin "$window")
  for page in 1 2 3 4; do
    xdotool mousemove $(control_centre "$work/layout" "$origin" "$display_scale" "TabSheet$page") \
      click 1 mousemove 0 0
    settle $pids $app || true
    env -u QT_SCALE_FACTOR build/qtview/t742capture "docs/$prefix-page$page$suffix.png" \
      $((${origin% *} - l)) $((${origin#* } - t)) $((w + l + r)) $((h + t + b)) 2>/dev/null
  done
  xdotool key Escape
  wait "$app"
}

sample "$work/qt" && cp build/t742 build/libt742view.so "$work/qt/"
sample "$work/win" && cp build-win/t742.exe "$work/win/"
shoot dialog "$work/qt" "$DESKTOP_PIDS" ./t742
shoot win32-dialog "$work/win" "$DESKTOP_PIDS" wine ./t742.exe
ls docs/dialog-page*$suffix.png docs/win32-dialog-page*$suffix.png
