#!/usr/bin/env bash
# Remakes the pictures of docs/screenshots: builds the 64-bit program and its outside driver, starts
# the game on a virtual screen, opens the field and each dialog through menu commands, and saves each
# window as a PNG. Run it as root on a machine set up by scripts/play.sh or scripts/test.sh.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target lexiblast_remote

build=$top/build/win64
prefix=$build/wineprefix
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winealsa.drv=d"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -e
  bash scripts/wine-prefix.sh setup "$1" >/dev/null
  cd "$2"
  WINEPREFIX=$1 wine lexiblast_remote.exe shots "Z:${2//\//\\}\\lexiblast.exe" "Z:${3//\//\\}" || status=$?
  bash "$4/scripts/wine-prefix.sh" cleanup "$1" >/dev/null
  exit ${status:-0}
' shots "$prefix" "$build" "$shots" "$top"

mkdir -p docs/screenshots
for bmp in "$shots"/*.bmp; do
  png=docs/screenshots/$(basename "${bmp%.bmp}").png
  convert "$bmp" -strip -define png:compression-level=9 "$png"
  echo "$png"
done
