#!/usr/bin/env bash
# Plays one short custom game of the real program from outside and checks what it leaves behind.
#   run.sh <build folder> <wine prefix>
# The driver prepares the registry, starts lexiblast.exe from the build folder, plays until the
# Game Over Statistics dialog, checks its lists against words.lst, quits and reads the registry.
# Runs on the current display, or on a virtual one when there is none.
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
export WINEPREFIX=${2:?wine prefix} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winealsa.drv,winedbg.exe=d"

for f in lexiblast.exe e2e_driver.exe words.lst; do
  [ -f "$build/$f" ] || { echo "FAIL: $build/$f is missing"; exit 1; }
done
cd "$build"
run=(timeout 100 wine e2e_driver.exe play 'Z:'"${build//\//\\}"'\lexiblast.exe')
if [ -n "${DISPLAY:-}" ]; then
  "${run[@]}"
else
  xvfb-run -a -s "-screen 0 1280x1024x24" "${run[@]}"
fi
