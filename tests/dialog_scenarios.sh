#!/usr/bin/env bash
# Runs the dialog scenarios on the real windows, as a user meets them: mouse
# clicks and key presses from the X server (Xvfb with a window manager), never
# calls into the program. A control's place comes from the declared layout and
# the window's place on the screen. After every click and key the runner waits
# until the programs the event passes through are idle, so it goes as fast as
# the machine allows and no slower. Every result is compared with the
# scenario's expectations (whole files byte for byte, or single lines of the
# settings file by name), and the windows' results with one another; a case
# without expectations is only compared between the windows. Each window runs
# the cases on a display of its own (scripts/with-desktop.sh), both at once.
#   dialog_scenarios.sh SCENARIOS LAYOUT-TOOL WINDOW=FOLDER...
# WINDOW is "qt" (FOLDER holds t742 and libt742view.so) or "wine" (t742.exe).
# SCALE=1.5 runs them at a display scale of 150 % (Wine at 144 dpi).
# A scenario file holds cases; see tests/scenarios/dialog.txt. With
# SCENARIO_RESULTS=FOLDER, what every window left is kept there.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
readonly desktop=$here/../scripts/with-desktop.sh
source "$here/../scripts/lib/dialog-window.sh"
readonly files=(JWC_TEMP.TXT t742.dat t318.lst t742.lst)
# Run from a folder with a Japanese name, as users' folders often have.
readonly results=結果

# What went wrong goes to standard output, which the runner keeps as the log
# of the case being run and reads when all is done.
fail() { echo "    $*"; }

# Sends one xdotool command line and waits for its effect. IO is the display's
# input, "IN OUT CLICKS PID...": the descriptors of an xdotool that reads
# commands (started once per display, rather than a process per event), the
# file that keeps the last click (see click), then the programs the event
# passes through. The screen's size, asked after the
# command, comes back once the server has taken the command's events; unlike
# the pointer's place, asking it names no window that later commands would
# then be sent to.
send() {
  local -a io=($1)
  local answer
  shift
  if ! printf '%s\ngetdisplaygeometry\n' "$*" >&"${io[0]}" || ! read -r answer <&"${io[1]}"; then
    fail "xdotool has ended: $*"
    return 1
  fi
  settle "${io[@]:3}"
}

# Clicks at X Y. A second click at the same place within the double-click
# time (400 ms in Qt, 500 ms in Windows) would make one double-click, which
# an owner-drawn button takes for no click at all: as a user's two clicks, it
# comes once that time has passed, which no program shows.
click() {
  local io=$1 x=$2 y=$3 wait
  local -a d=($io) last=()
  read -ra last 2>/dev/null <"${d[2]}"
  if [ "${last[0]:-}" = "$x" ] && [ "${last[1]:-}" = "$y" ]; then
    wait=$((last[2] + 600 - $(date +%s%3N)))
    ((wait > 0)) && sleep "$((wait / 1000)).$(printf '%03d' $((wait % 1000)))"
  fi
  send "$io" mousemove "$x" "$y" click 1
  echo "$x $y $(date +%s%3N)" >"${d[2]}"
}

# Waits until the programs of the display's input IO are idle.
idle() {
  local -a io=($1)
  settle "${io[@]:3}"
}

# Presses keys, in xdotool's names (NAME*N presses it N times), one by one:
# a key may bring up or close a window, which the next must find.
press() {
  local io=$1 k n i later
  shift
  for k; do
    n=1
    [[ $k == *\** ]] && n=${k##*\*} && k=${k%\**}
    # Qt shows a button chosen by its accelerator pressed for 100 ms before
    # it clicks it; nothing runs meanwhile, so that moment is waited out.
    later=
    [[ $k == alt+* ]] && later="sleep 0.15"
    for ((i = 0; i < n; i++)); do send "$io" key "$k" $later; done
  done
}

# Selects all the text of the field that has the focus and types TEXT over it.
retype() {
  local io=$1
  shift
  press "$io" End shift+Home BackSpace
  send "$io" type --delay 40 -- "$*"
}

# Waits until the active window is another than WINDOW (a chooser has come
# up), or with "back" until it is WINDOW again.
wait_active() {
  local window=$1 back=${2:-} w i
  for ((i = 0; i < 200; i++)); do
    w=$(xdotool getactivewindow 2>/dev/null)
    if [ -n "$back" ]; then
      [ "$w" = "$window" ] && return 0
    else
      [ -n "$w" ] && [ "$w" != "$window" ] && return 0
    fi
    sleep 0.05
  done
  return 1
}

# The colour chooser of WINDOW: NUMBER (0xBBGGRR) is set in its red, green and
# blue fields and confirmed; "cancel" closes it unchanged. Wine's chooser has
# "&Blue", and "&Basic colours" takes Alt+B before it, so there the green and
# blue fields are reached by Tab from the red one.
choose_colour() {
  local window=$1 kind=$2 origin=$3 io=$4 c=$5 i=0 value keys
  click "$io" $(control_centre "$layout_file" "$origin" "$display_scale" SpeedButton1)
  wait_active "$window" || { fail "no colour chooser"; return; }
  idle "$io"  # the chooser drawn and waiting
  if [ "$c" = cancel ]; then
    press "$io" Escape
  else
    if [ "$kind" = qt ]; then keys=(alt+r alt+g alt+u); else keys=(alt+r Tab Tab); fi
    for value in $((c & 255)) $(((c >> 8) & 255)) $(((c >> 16) & 255)); do
      press "$io" "${keys[i++]}"
      retype "$io" "$value"
    done
    press "$io" Tab Return
  fi
  wait_active "$window" back || fail "the colour chooser did not give the window back"
  idle "$io"
}

# The whole window, frame included, is centred on where the cursor was:
# within a pixel of the window's own, which may be larger than the screen's.
# Under Wine the window manager draws the frame, with a title bar that does
# not grow with the DPI as the one the window centres (Windows' own, 19
# pixels at 96 dpi) does: half the difference is allowed.
check_centred() {
  local window=$1 kind=$2 origin=$3 l r t b w h fx fy e ey
  read -r l r t b < <(frame_extents "$window")
  read -r w h < <(client_size "$layout_file" "$display_scale")
  fx=$((${origin% *} - l + (l + r + w) / 2)) fy=$((${origin#* } - t + (t + b + h) / 2))
  e=$(awk -v s="$display_scale" 'BEGIN { print int(s + 0.99) }')
  ey=$e
  [ "$kind" = wine ] &&
    ey=$(awk -v s="$display_scale" -v e="$e" 'BEGIN { print e + int(19 * (s - 1) / 2 + 0.99) }')
  ((fx - cursor_x <= e && cursor_x - fx <= e && fy - cursor_y <= ey && cursor_y - fy <= ey)) ||
    fail "frame centred at $fx,$fy, cursor at $cursor_x,$cursor_y"
}

# One action of a case on WINDOW, of kind KIND, its client area at ORIGIN;
# IO is the display's input (see send).
act() {
  local window=$1 kind=$2 origin=$3 io=$4 verb=$5
  shift 5
  local -a at=(control_centre "$layout_file" "$origin" "$display_scale")
  case $verb in
    click) click "$io" $("${at[@]}" "$1") ;;
    row) click "$io" $("${at[@]}" "$1" "$2") ;;
    # Click into the control, replace all its text with the new one.
    type) click "$io" $("${at[@]}" "$1")
          retype "$io" "${@:2}" ;;
    # The mouse wheel over the control, a notch up or down.
    wheel) send "$io" mousemove $("${at[@]}" "$1") click $([ "$2" = up ] && echo 4 || echo 5) ;;
    key) press "$io" "$@" ;;
    chars) send "$io" type --delay 40 -- "$*" ;;
    color) choose_colour "$window" "$kind" "$origin" "$io" "$1" ;;
    close) press "$io" alt+F4 ;;
    centred) check_centred "$window" "$kind" "$origin" ;;
    *) fail "unknown action: $verb" ;;
  esac
}

# Runs the case in CASE-FILE on one window, left in OUT, and prints what went
# wrong. IO is the display's input (see send).
run_case() {
  local kind=$1 folder=$2 case_file=$3 out=$4 io=$5 line app window= origin i
  local -a words argv=()
  rm -rf "$out" && mkdir -p "$out"
  if [ "$kind" = qt ]; then cp "$folder/t742" "$folder/libt742view.so" "$out/"
  else cp "$folder/t742.exe" "$out/"; fi
  read -ra argv < <(awk '$1 == "args" { $1 = ""; print substr($0, 2) }' "$case_file")
  while IFS= read -r line; do
    read -ra words <<<"$line"
    printf '%b' "${line#input "${words[1]}" }" >"$out/${words[1]}"
  done < <(grep '^input ' "$case_file")
  send "$io" mousemove "$cursor_x" "$cursor_y"
  if [ "$kind" = qt ]; then (cd "$out" && exec ./t742 "${argv[@]}") >/dev/null 2>&1 &
  else (cd "$out" && exec wine ./t742.exe "${argv[@]}") >/dev/null 2>&1 & fi
  app=$!
  io+=" $app"
  if window=$(wait_for_window "$dialog_title" "$app"); then
    # Up and drawn, then made the active window, as a user's click would.
    idle "$io"
    timeout 10 xdotool windowactivate --sync "$window" 2>/dev/null || true
    idle "$io"
    origin=$(client_origin "$window")
    while IFS= read -r line; do
      read -ra words <<<"$line"
      # A session may end before its last action (Space on OK); the rest has no window.
      kill -0 "$app" 2>/dev/null || break
      act "$window" "$kind" "$origin" "$io" "${words[@]:1}"
    done < <(grep '^do ' "$case_file")
  else
    fail "no window"
  fi
  for ((i = 0; i < 200; i++)); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
  if kill -0 "$app" 2>/dev/null; then
    fail "the window did not close"
    [ -n "$window" ] && xdotool windowkill "$window" 2>/dev/null
    kill "$app" 2>/dev/null
  fi
  wait "$app" 2>/dev/null
  rm -f "$out/t742" "$out/libt742view.so" "$out/t742.exe"
  check_expectations "$case_file" "$out"
}

# Compares what a case left in OUT with its expectations. "expect FILE TEXT":
# the whole file, byte for byte, "-" for a file that must not be. "expect
# SETTING TEXT": the line of t742.dat that holds the setting (the layout
# tool names each line), TEXT and CR LF.
check_expectations() {
  local case_file=$1 out=$2 line name want got n
  local -a words
  while IFS= read -r line; do
    read -ra words <<<"$line"
    name=${words[1]} want=${line#expect "${words[1]}" }
    n=${setting_lines[$name]:-}
    if [ -n "$n" ]; then
      if [ ! -e "$out/t742.dat" ]; then
        fail "$name: no t742.dat"
      else
        got=$(sed -n "${n}p" "$out/t742.dat")
        [ "$got" = "$(printf '%b' "$want")"$'\r' ] ||
          fail "$name (line $n of t742.dat) is '$(printf '%s' "$got" | cat -A)', expected '$want^M'"
      fi
    elif [[ " ${files[*]} " != *" $name "* ]]; then
      fail "expect $name: neither a file nor a setting"
    elif [ "$want" = - ]; then
      [ -e "$out/$name" ] && fail "$name should not exist"
    elif ! cmp -s <(printf '%b' "$want") "$out/$name"; then
      fail "$name differs:"
      diff <(printf '%b' "$want" | cat -A) <(cat -A "$out/$name" 2>&1) | sed 's/^/      /'
    fi
  done < <(grep '^expect ' "$case_file")
}

# Runs the cases NAME... on one window of KIND from FOLDER, on the display it
# was given (DISPLAY, DESKTOP_PIDS), each case's failures into its log.
play_window() {
  local kind=$1 folder=$2 name
  shift 2
  trap 'exit 1' TERM INT
  trap '' PIPE  # an input gone away is told by send
  # One xdotool for all the input, through two pipes: commands in, and its
  # answers out line by line.
  local fifo=$root/input.$kind xin xout
  mkfifo "$fifo.in" "$fifo.out"
  : >"$fifo.clicks"
  stdbuf -oL xdotool - <"$fifo.in" >"$fifo.out" 2>/dev/null &
  exec {xin}>"$fifo.in" {xout}<"$fifo.out"
  for name; do
    run_case "$kind" "$folder" "$root/cases/$name" "$root/$results/$name/$kind" \
      "$xin $xout $fifo.clicks $DESKTOP_PIDS" >"$root/log/$kind/$name"
  done
}

# Prints where the windows KIND... left the files of case NAME differently.
compare_windows() {
  local name=$1 first=$2 kind f a b
  shift 2
  for kind; do
    for f in "${files[@]}"; do
      a=$root/$results/$name/$first/$f b=$root/$results/$name/$kind/$f
      if [ -e "$a" ] || [ -e "$b" ]; then
        cmp -s "$a" "$b" || fail "$f differs between $first and $kind"
      fi
    done
  done
}

# What stays the same for the whole run, in ROOT; the functions above take the
# rest as arguments.
load_run() {
  root=$1
  layout_file=$root/layout
  dialog_title=$(window_title "$layout_file")
  declare -gA setting_lines=()
  local n name
  while read -r n name; do
    setting_lines[$name]=$n
  done < <(awk '$1 == "Setting" { print $2, $3 }' "$layout_file")
}

# Run by the helper below for each window, on a display of its own:
#   dialog_scenarios.sh --play KIND FOLDER ROOT SCALE NAME...
if [ "${1:-}" = --play ]; then
  load_run "$4"
  readonly display_scale=$5
  read -r cursor_x cursor_y < <(screen_centre)
  play_window "$2" "$3" "${@:6}"
  exit 0
fi

scenarios=$1 layout_tool=$2
shift 2
root=$(mktemp -d)
workers=()
trap 'kill "${workers[@]}" 2>/dev/null; wait; rm -rf "$root"' EXIT
"$layout_tool" >"$root/layout"
load_run "$root"
names=()
while IFS= read -r name; do names+=("$name"); done < <(awk '$1 == "case" { print $2 }' "$scenarios")
mkdir -p "$root/cases"
awk -v dir="$root/cases" '$1 == "case" { f = dir "/" $2 } f { print > f }' "$scenarios"
kinds=()
for window_folder in "$@"; do
  kind=${window_folder%%=*}
  kinds+=("$kind")
  mkdir -p "$root/log/$kind"
  "$desktop" $([ "$kind" = wine ] && echo --wine) --scale "${SCALE:-1}" \
    "$here/$(basename "$0")" --play "$kind" "${window_folder#*=}" "$root" "${SCALE:-1}" "${names[@]}" &
  workers+=($!)
done
wait "${workers[@]}"
workers=()

passed=0 failed=0
for name in "${names[@]}"; do
  bad=0
  for kind in "${kinds[@]}"; do
    if [ -s "$root/log/$kind/$name" ] || [ ! -e "$root/log/$kind/$name" ]; then
      echo "-- $name ($kind)"; cat "$root/log/$kind/$name" 2>/dev/null || echo "    not run"; bad=1
    fi
  done
  compare_windows "$name" "${kinds[@]}" >"$root/log/compare"
  [ -s "$root/log/compare" ] && { echo "-- $name"; cat "$root/log/compare"; bad=1; }
  if [ "$bad" -eq 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
done
# SCENARIO_RESULTS=FOLDER keeps what every window left, to read or to record.
[ -n "${SCENARIO_RESULTS:-}" ] && rm -rf "$SCENARIO_RESULTS" && cp -r "$root/$results" "$SCENARIO_RESULTS"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
