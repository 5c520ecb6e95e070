#!/usr/bin/env bash
# Renders the Win32 dialog's four pages (under Wine and Xvfb) to
# docs/win32-dialog-page1.png .. docs/win32-dialog-page4.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build-windows.sh >/dev/null
source tests/dialog_support.sh
xvfb=
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
start_xvfb
# Wine binds its windows to the display of the first program its server runs.
export WINEDEBUG=-all
wineserver -k 2>/dev/null || true
wine build-win/t742shot.exe "$(winepath -w docs)"
ls docs/win32-dialog-page*.png
