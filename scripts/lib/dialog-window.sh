# Finding the dialog's window on a virtual display (scripts/with-desktop.sh)
# and the places of its controls, for the tests and pictures of the real
# windows: sourced, not run. It defines functions and nothing else; each is
# told what it works on by its arguments, and works on the display in DISPLAY.

# Where the mouse stands when a window opens, on which the window is centred:
# the middle of the screen of DISPLAY. Prints "X Y".
screen_centre() {
  xdotool getdisplaygeometry | awk '{ print int($1 / 2), int($2 / 2) }'
}

# LENGTH at SCALE, rounded: "scaled 96 1.5" is 144.
scaled() {
  awk -v n="$1" -v s="$2" 'BEGIN { printf "%d\n", n * s + 0.5 }'
}

# The dialog's title, as t742layout prints it into LAYOUT.
window_title() {
  sed -n 's/^Title //p' "$1" | iconv -f CP932 -t UTF-8
}

# Waits for the window titled TITLE to be shown and prints its id; gives up
# after half a minute, or as soon as the process PID (if given) has ended.
wait_for_window() {
  local title=$1 pid=${2:-} i w
  for ((i = 0; i < 600; i++)); do
    w=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1)
    [ -n "$w" ] && echo "$w" && return 0
    [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null && return 1
    sleep 0.05
  done
  return 1
}

# Waits until the processes PID... have done all that they were given to do:
# no thread running or runnable, and no processor time used, over two samples
# 10 ms apart. After an input event, the programs it passes through (the X
# server, the window manager, the window's program and, under Wine, its
# server) are idle only once it has had its effect: each wakes the next, which
# counts as runnable from then on, however loaded the machine is. Gives up
# after ten seconds of activity.
settle() {
  local quiet=0 before=-1 ticks busy i p f line
  local -a stat
  # A pause without starting a process: a read that times out.
  [ -n "${settle_pause_fd:-}" ] || exec {settle_pause_fd}<> <(:)
  for ((i = 0; i < 1000 && quiet < 2; i++)); do
    ticks=0 busy=0
    for p; do
      for f in /proc/"$p"/task/*/stat; do
        read -r line 2>/dev/null <"$f" || continue
        stat=(${line##*) })  # state, ..., utime (12th), stime (13th)
        [[ ${stat[0]} == [RD] ]] && busy=1
        ticks=$((ticks + stat[11] + stat[12]))
      done
    done
    if ((busy == 0 && ticks == before)); then quiet=$((quiet + 1)); else quiet=0; fi
    before=$ticks
    read -rt 0.01 -u "$settle_pause_fd" || true
  done
  ((quiet >= 2))
}

# The window's client area on the screen: "X Y".
client_origin() {
  xwininfo -id "$1" |
    awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x, y}'
}

# The frame the window manager drew around the window: "LEFT RIGHT TOP BOTTOM".
frame_extents() {
  xprop -id "$1" _NET_FRAME_EXTENTS | tr -dc '0-9,' | tr ',' ' '
  echo
}

# The client area's size in LAYOUT, what t742layout printed, at SCALE:
# "WIDTH HEIGHT".
client_size() {
  awk -v s="$2" '$1 == "ClientArea" { printf "%d %d\n", $5 * s + 0.5, $6 * s + 0.5 }' "$1"
}

# The centre of control NAME, or of row ROW of a list box, on the screen at
# SCALE, the window's client area being at ORIGIN ("X Y"): "X Y". LAYOUT is
# what t742layout printed.
control_centre() {
  local layout=$1 origin=$2 scale=$3 name=$4 row=${5:-}
  awk -v n="$name" -v r="$row" -v ox="${origin% *}" -v oy="${origin#* }" -v s="$scale" '
    $1 == "RowHeight" { rh = $6 }
    $1 == n { x = $3; y = $4; w = $5; h = $6; found = 1 }
    END {
      if (!found) exit 1
      if (r != "") { x += 24; y += 2 + r * rh + rh / 2 } else { x += w / 2; y += h / 2 }
      print ox + int(x * s), oy + int(y * s)
    }' "$layout"
}
