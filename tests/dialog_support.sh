# Shared by the tests of the real window: sourced, not run.

# Starts Xvfb on a display number that no other X server holds (chosen by Xvfb
# itself) and exports DISPLAY; the server's pid is in $xvfb. Without -noreset
# the server resets whenever its last client leaves (xdotool polling for the
# window does so often) and refuses a program that connects at that moment.
start_xvfb() {
  local fd
  fd=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fd" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$fd" ] && break; sleep 0.1; done
  export DISPLAY=:$(cat "$fd")
  rm -f "$fd"
}

# Runs "COMMAND... 2 6" in FOLDER, waits for its window, presses Enter and
# waits for the program to end. Enter goes to the focused window, so it is
# pressed again should the first one come before the window took the focus.
press_enter_in() {
  local folder=$1
  shift
  (cd "$folder" && exec "$@" 2 6) &
  local app=$! window=
  for _ in $(seq 300); do
    window=$(xdotool search --name '^Velmora$' 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "no window from $*"; return 1; }
  for _ in 1 2 3; do
    sleep 0.4
    timeout 10 xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key Return
    for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app" 2>/dev/null || break
  done
  if kill -0 "$app" 2>/dev/null; then echo "$* did not close"; kill "$app"; return 1; fi
  wait "$app"
}
