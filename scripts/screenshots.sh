#!/usr/bin/env bash
# Remakes the pictures of docs/screenshots: builds the 64-bit program and its outside driver, starts
# the game on a virtual screen, opens the field and each dialog through menu commands, and saves each
# window as a PNG. Run it as root on a machine set up by scripts/play.sh or scripts/test.sh.
#   screenshots.sh          every picture, at 96 dots an inch
#   screenshots.sh 144      the field and Game Options at another scale (field-144dpi.png, ...), in a
#                           prefix of that scale of their own (build/win64/wineprefix-144dpi)
set -euo pipefail
dpi=${1:-96}
[[ $dpi =~ ^[0-9]+$ ]] && [ "$dpi" -ge 96 ] && [ "$dpi" -le 480 ] || { echo "usage: $0 [dpi 96..480]" >&2; exit 2; }
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target lexiblast_remote

build=$top/build/win64
prefix=$build/wineprefix
[ "$dpi" = 96 ] || prefix=$build/wineprefix-${dpi}dpi
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winealsa.drv=d"
xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
  set -e
  bash scripts/wine-prefix.sh setup "$1" >/dev/null
  if [ "$5" != 96 ]; then # the scale the system reports to programs, read when the server starts
    WINEPREFIX=$1 wine reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d "$5" /f >/dev/null 2>&1
    WINEPREFIX=$1 wineserver -k && WINEPREFIX=$1 wineserver -w
  fi
  cd "$2"
  WINEPREFIX=$1 wine lexiblast_remote.exe shots "Z:${2//\//\\}\\lexiblast.exe" "Z:${3//\//\\}" || status=$?
  bash "$4/scripts/wine-prefix.sh" cleanup "$1" >/dev/null
  exit ${status:-0}
' shots "$prefix" "$build" "$shots" "$top" "$dpi"

mkdir -p docs/screenshots
for bmp in "$shots"/*.bmp; do
  name=$(basename "${bmp%.bmp}")
  if [ "$dpi" != 96 ]; then
    case $name in field | game-options) name=$name-${dpi}dpi ;; *) continue ;; esac
  fi
  png=docs/screenshots/$name.png
  convert "$bmp" -strip -define png:compression-level=9 "$png"
  echo "$png"
done
