# Shared by the tests and pictures of the real windows: sourced, not run.

# The display scale, SCALE=1.5 for 150 %: the layout's places are those of a
# 96 dpi screen and are multiplied by it.
scale=${SCALE:-1}

# Gives the windows started from now on the display scale: Qt its scale
# factor, Wine (when its prefix is given, as WINEPREFIX) the screen's DPI.
apply_scale() {
  export QT_SCALE_FACTOR=$scale
  [ $# -eq 0 ] && return 0
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
    /d "$(awk -v s="$scale" 'BEGIN { printf "%d", 96 * s + 0.5 }')" /f >/dev/null 2>&1
}

# Starts Xvfb on a display number that no other X server holds (chosen by Xvfb
# itself), exports DISPLAY, and starts a window manager, so that windows have
# frames and a close box as on a desktop. The server's pid is in $xvfb. Without
# -noreset the server resets whenever its last client leaves and refuses a
# program that connects at that moment.
start_display() {
  local fd
  fd=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fd" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$fd" ] && break; sleep 0.1; done
  export DISPLAY=:$(cat "$fd")
  rm -f "$fd"
  openbox --sm-disable >/dev/null 2>&1 &
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  echo "no window manager came up"
  return 1
}

# Waits for the dialog's window to be shown; its id is in $window.
wait_for_window() {
  window=
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name '^Velmora$' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && return 0
    sleep 0.1
  done
  return 1
}

# The window's client area on the screen: "X Y".
client_origin() {
  xwininfo -id "$window" |
    awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x, y}'
}

# The frame the window manager drew around the window: "LEFT RIGHT TOP BOTTOM".
frame_extents() {
  xprop -id "$window" _NET_FRAME_EXTENTS | tr -dc '0-9,' | tr ',' ' '
  echo
}

# The client area's size in LAYOUT, what t742layout printed, at the display
# scale: "WIDTH HEIGHT".
client_size() {
  awk -v s="$scale" '$1 == "ClientArea" { printf "%d %d\n", $5 * s + 0.5, $6 * s + 0.5 }' "$1"
}

# The centre of a control, or of row ROW of a list box, on the screen at the
# display scale: "X Y". LAYOUT is what t742layout printed.
control_centre() {
  local layout=$1 name=$2 row=${3:-} ox oy
  read -r ox oy < <(client_origin)
  awk -v n="$name" -v r="$row" -v ox="$ox" -v oy="$oy" -v s="$scale" '
    $1 == "RowHeight" { rh = $6 }
    $1 == n { x = $3; y = $4; w = $5; h = $6; found = 1 }
    END {
      if (!found) exit 1
      if (r != "") { x += 24; y += 2 + r * rh + rh / 2 } else { x += w / 2; y += h / 2 }
      print ox + int(x * s), oy + int(y * s)
    }' "$layout"
}
