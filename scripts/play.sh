#!/usr/bin/env bash
# Installs what is missing, builds the 64-bit Windows program and starts it under Wine, from
# build/win64 where the word list (words.lst) and the help page (lexihelp.htm) lie beside it.
# The game keeps its own Wine prefix (its registry holds the settings and high scores) in
# ~/.local/share/lexiblast/wineprefix, or in $LEXIBLAST_WINEPREFIX.
# The game needs a graphical display: without one the build is done and the script says what to do
# (exit status 2); LEXIBLAST_XVFB=1 starts it on a virtual screen (Xvfb) instead.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

# The second call, made by xvfb-run below: built already, only the start is left.
on_virtual_screen=0
[ "${1:-}" = --on-virtual-screen ] && on_virtual_screen=1

if [ $on_virtual_screen = 0 ]; then
  bash scripts/install-deps.sh
  cmake --preset win64 >/dev/null
  cmake --build --preset win64 --target lexiblast
fi

for f in lexiblast.exe words.lst lexihelp.htm; do
  [ -f "build/win64/$f" ] || { echo "build/win64/$f is missing after the build" >&2; exit 1; }
done

if [ -z "${DISPLAY:-}" ] && [ "${LEXIBLAST_XVFB:-}" != 1 ]; then
  cat >&2 <<'TEXT'
The game is built (build/win64/lexiblast.exe). Lexiblast is a windowed game and needs a graphical
display, and none was found ($DISPLAY is empty).
Run this command from a terminal of a desktop session, or log in with `ssh -X` so that the game's
window opens on your screen.
To start it on a virtual screen anyway (for testing; nothing is shown):
    LEXIBLAST_XVFB=1 bash scripts/play.sh
TEXT
  exit 2
fi

export WINEPREFIX=${LEXIBLAST_WINEPREFIX:-$HOME/.local/share/lexiblast/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winealsa.drv=d"
cd build/win64 # the game reads words.lst from its working folder

# Starts the game; the first run creates the prefix and links the Wine fonts into it (Wine 8 does
# not find them otherwise, and window titles lose their letters).
start_game() {
  if [ ! -f "$WINEPREFIX/.lexiblast-ready" ]; then
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    echo "Preparing the Wine prefix $WINEPREFIX (once)..." >&2
    wine wineboot -i >/dev/null 2>&1 </dev/null
    for f in /usr/share/wine/fonts/*.ttf; do
      [ -e "$f" ] && ln -sf "$f" "$WINEPREFIX/drive_c/windows/Fonts/"
    done
    touch "$WINEPREFIX/.lexiblast-ready"
  fi
  if [ $on_virtual_screen = 1 ]; then
    # No window manager on the virtual screen: Wine draws the frames itself.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
  fi
  wine lexiblast.exe
}

if [ -n "${DISPLAY:-}" ]; then
  start_game
else
  echo "Starting on a virtual screen (Xvfb); nothing will be shown. Stop it with Ctrl+C." >&2
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$top/scripts/play.sh" --on-virtual-screen
fi
