#!/usr/bin/env bash
# Renders the dialog's four pages to docs/dialog-page1.png .. docs/dialog-page4.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh >/dev/null
mkdir -p docs
build/qtview/t742dialogshot docs
ls docs/dialog-page*.png
