#!/usr/bin/env bash
# Runs the dialog scenarios on the real windows, as a user meets them: mouse
# clicks and key presses from the X server (Xvfb with a window manager), never
# calls into the program. A control's place comes from the declared layout and
# the window's place on the screen. Every result is compared byte for byte with
# the scenario's expected files, and the windows' results with one another; a
# case without expected files is only compared between the windows. Each window
# runs the cases on a display of its own, both at once.
#   dialog_scenarios.sh SCENARIOS LAYOUT-TOOL WINDOW=FOLDER...
# WINDOW is "qt" (FOLDER holds t742 and libt742view.so) or "wine" (t742.exe).
# SCALE=1.5 runs them at a display scale of 150 % (Wine at 144 dpi).
# A scenario file holds cases; see tests/scenarios/dialog.txt. With
# SCENARIO_RESULTS=FOLDER, what every window left is kept there.
set -uo pipefail
set -f  # keys such as Tab*3 are not file patterns
here=$(cd "$(dirname "$0")" && pwd)
source "$here/dialog_support.sh"
scenarios=$1 layout_tool=$2
shift 2
if [[ " $* " == *" wine="* ]]; then source "$here/wine_prefix.sh"; else wine_prefix_done() { :; }; fi
root=$(mktemp -d)
workers=()
trap 'kill "${workers[@]}" 2>/dev/null; wait; wine_prefix_done; rm -rf "$root"' EXIT
"$layout_tool" >"$root/layout"
readonly files=(JWC_TEMP.TXT t742.dat t318.lst t742.lst)
readonly cursor_x=512 cursor_y=384
# Run from a folder with a Japanese name, as users' folders often have.
readonly results=結果

# What went wrong in the case being run goes to its log, read when all is done.
fail() { echo "    $*" >>"$log"; }

place() { control_centre "$root/layout" "$@"; }

click_at() { xdotool mousemove "$1" "$2" click 1; sleep 0.15; }

# Keys in xdotool's names; NAME*N repeats a key N times.
press() {
  local k n
  for k in "$@"; do
    n=1
    [[ $k == *\** ]] && n=${k##*\*} && k=${k%\**}
    local i
    for ((i = 0; i < n; i++)); do xdotool key "$k"; sleep 0.12; done
  done
  sleep 0.15
}

# The window that has the focus once a second window (a chooser) has come up.
wait_for_other_window() {
  local w
  for _ in $(seq 50); do
    w=$(xdotool getactivewindow 2>/dev/null)
    [ -n "$w" ] && [ "$w" != "$window" ] && return 0
    sleep 0.1
  done
  return 1
}

act() {
  local verb=$1
  shift
  case $verb in
    click) click_at $(place "$1") ;;
    row) click_at $(place "$1" "$2") ;;
    # Click into the control, replace all its text, type the new one.
    type) click_at $(place "$1"); press End shift+Home BackSpace
          xdotool type --delay 40 -- "${*:2}"; sleep 0.15 ;;
    # The mouse wheel over the control, a notch up or down.
    wheel) xdotool mousemove $(place "$1") click $([ "$2" = up ] && echo 4 || echo 5); sleep 0.15 ;;
    key) press "$@" ;;
    chars) xdotool type --delay 40 -- "$*"; sleep 0.15 ;;
    # The colour chooser: NUMBER (0xBBGGRR) is set in its red, green and blue
    # fields and confirmed; "cancel" closes it unchanged.
    color) click_at $(place SpeedButton1)
           wait_for_other_window || { fail "no colour chooser"; return; }
           sleep 0.5
           if [ "$1" = cancel ]; then press Escape; return; fi
           local c=$1 i=0 value
           local -n keys=chooser_keys_$kind
           for value in $((c & 255)) $(((c >> 8) & 255)) $(((c >> 16) & 255)); do
             press "${keys[i++]}" End shift+Home BackSpace
             xdotool type --delay 40 -- "$value"
           done
           press Tab Return ;;
    close) press alt+F4 ;;
    # The whole window, frame included, is centred on where the cursor was.
    centred) local l r t b ox oy w h fx fy
             read -r l r t b < <(frame_extents)
             read -r ox oy < <(client_origin)
             read -r w h < <(client_size "$root/layout")
             fx=$((ox - l + (l + r + w) / 2)) fy=$((oy - t + (t + b + h) / 2))
             # Within a pixel of the window's own, which may be larger than the
             # screen's. Under Wine the window manager draws the frame, with a
             # title bar that does not grow with the DPI as the one the window
             # centres (Windows' own, 19 pixels at 96 dpi) does: half the
             # difference is allowed.
             local e ey
             e=$(awk -v s="$scale" 'BEGIN { print int(s + 0.99) }')
             ey=$e
             [ "$kind" = wine ] && ey=$(awk -v s="$scale" -v e="$e" 'BEGIN { print e + int(19 * (s - 1) / 2 + 0.99) }')
             ((fx - cursor_x <= e && cursor_x - fx <= e && fy - cursor_y <= ey && cursor_y - fy <= ey)) ||
               fail "frame centred at $fx,$fy, cursor at $cursor_x,$cursor_y" ;;
    *) fail "unknown action: $verb" ;;
  esac
}

# The keys that reach the chooser's red, green and blue fields in turn. Wine's
# chooser has "&Blue", and "&Basic colours" takes Alt+B before it, so there the
# green and blue fields are reached by Tab from the red one.
chooser_keys_qt=(alt+r alt+g alt+u)
chooser_keys_wine=(alt+r Tab Tab)

# Runs one case on one window: the case's lines are in the file $case.
run_case() {
  local kind=$1 folder=$2 out=$3 args line
  rm -rf "$out" && mkdir -p "$out"
  if [ "$kind" = qt ]; then cp "$folder/t742" "$folder/libt742view.so" "$out/"
  else cp "$folder/t742.exe" "$out/"; fi
  args=$(awk '$1 == "args" { $1 = ""; print substr($0, 2) }' "$case")
  while IFS= read -r line; do
    set -- $line
    printf '%b' "${line#input $2 }" >"$out/$2"
  done < <(grep '^input ' "$case")
  xdotool mousemove "$cursor_x" "$cursor_y"
  if [ "$kind" = qt ]; then (cd "$out" && exec ./t742 $args) >/dev/null 2>&1 &
  else (cd "$out" && exec wine ./t742.exe $args) >/dev/null 2>&1 & fi
  local app=$!
  wait_for_window || { fail "no window"; kill "$app" 2>/dev/null; return; }
  sleep 0.5
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  while IFS= read -r line; do
    set -- $line
    # A session may end before its last action (Space on OK); the rest has no window.
    kill -0 "$app" 2>/dev/null || break
    act "${@:2}"
  done < <(grep '^do ' "$case")
  for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app" 2>/dev/null; then
    fail "the window did not close"
    xdotool windowkill "$window" 2>/dev/null; kill "$app" 2>/dev/null
  fi
  wait "$app" 2>/dev/null
  rm -f "$out/t742" "$out/libt742view.so" "$out/t742.exe"
  # The files the case expects, byte for byte; "-" for a file that must not be.
  while IFS= read -r line; do
    set -- $line
    local want=${line#expect $2 }
    if [ "$want" = - ]; then
      [ -e "$out/$2" ] && fail "$2 should not exist"
    elif ! cmp -s <(printf '%b' "$want") "$out/$2"; then
      fail "$2 differs:"; diff <(printf '%b' "$want" | cat -A) <(cat -A "$out/$2" 2>&1) | sed 's/^/      /'
    fi
  done < <(grep '^expect ' "$case")
}

# Runs every case on one window, on a display of its own. Wine binds its
# windows to the display of the first program its server runs, so its server
# is started afresh here, one for all the cases.
run_window() {
  local kind=$1 folder=$2 name xvfb=
  trap '[ "$kind" = wine ] && wineserver -k 2>/dev/null; kill "$xvfb" 2>/dev/null' EXIT
  trap 'exit 1' TERM INT
  start_display >"$root/log/$kind.display" || exit 1
  if [ "$kind" = wine ]; then
    apply_scale wine
    wineserver -k 2>/dev/null || true
    wineserver -p
  else
    apply_scale
  fi
  for name in "${names[@]}"; do
    case=$root/cases/$name log=$root/log/$kind/$name
    : >"$log"
    run_case "$kind" "$folder" "$root/$results/$name/$kind"
  done
}

names=()
while IFS= read -r name; do names+=("$name"); done < <(awk '$1 == "case" { print $2 }' "$scenarios")
mkdir -p "$root/cases"
awk -v dir="$root/cases" '$1 == "case" { f = dir "/" $2 } f { print > f }' "$scenarios"
kinds=()
for window_folder in "$@"; do
  kind=${window_folder%%=*}
  kinds+=("$kind")
  mkdir -p "$root/log/$kind"
  run_window "$kind" "${window_folder#*=}" &
  workers+=($!)
done
wait "${workers[@]}"
workers=()

passed=0 failed=0
for name in "${names[@]}"; do
  log=$root/log/compare
  : >"$log"
  first=
  for kind in "${kinds[@]}"; do
    if [ -n "$first" ]; then
      for f in "${files[@]}"; do
        a=$root/$results/$name/$first/$f b=$root/$results/$name/$kind/$f
        if [ -e "$a" ] || [ -e "$b" ]; then
          cmp -s "$a" "$b" || fail "$f differs between $first and $kind"
        fi
      done
    fi
    first=${first:-$kind}
  done
  bad=0
  for kind in "${kinds[@]}"; do
    if [ -s "$root/log/$kind/$name" ] || [ ! -e "$root/log/$kind/$name" ]; then
      echo "-- $name ($kind)"; cat "$root/log/$kind/$name" 2>/dev/null || echo "    not run"; bad=1
    fi
  done
  [ -s "$log" ] && { echo "-- $name"; cat "$log"; bad=1; }
  if [ "$bad" -eq 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
done
# SCENARIO_RESULTS=FOLDER keeps what every window left, to read or to record.
[ -n "${SCENARIO_RESULTS:-}" ] && rm -rf "$SCENARIO_RESULTS" && cp -r "$root/$results" "$SCENARIO_RESULTS"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
