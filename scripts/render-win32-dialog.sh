#!/usr/bin/env bash
# Renders the Win32 dialog's four pages (under Wine and Xvfb) to
# docs/win32-dialog-page1.png .. docs/win32-dialog-page4.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build-windows.sh >/dev/null
fd=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fd" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -f "$fd"' EXIT
for _ in $(seq 100); do [ -s "$fd" ] && break; sleep 0.1; done
display=:$(cat "$fd")
# Wine binds its windows to the display of the first program its server runs.
export DISPLAY=$display WINEDEBUG=-all
wineserver -k 2>/dev/null || true
wine build-win/t742shot.exe "$(winepath -w docs)"
ls docs/win32-dialog-page*.png
