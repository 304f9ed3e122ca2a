#!/usr/bin/env bash
# Installs what is missing, builds the 64-bit Windows program and starts it under Wine, from
# build/win64 where the word list (words.lst) and the help page (lexihelp.htm) lie beside it.
# The game keeps its own Wine prefix (its registry holds the settings and high scores) in
# ~/.local/share/lexiblast/wineprefix, or in $LEXIBLAST_WINEPREFIX.
# The game needs a graphical display: without one the build is done and the script says what to do
# (exit status 2); LEXIBLAST_XVFB=1 starts it on a virtual screen (Xvfb) instead. Started from a
# desktop, it also puts Lexiblast into the desktop's application menu.
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

# The desktop launcher: a menu entry (XDG .desktop file) and the program icon in the player's own
# data folder, and a small script that starts the game with this prefix from build/win64. Written
# at every start from a desktop, so it follows the folder and the prefix of the last start.
install_launcher() {
  local data=${XDG_DATA_HOME:-$HOME/.local/share} size
  local launcher=$data/lexiblast/start-lexiblast
  mkdir -p "$data/lexiblast" "$data/applications"
  cat >"$launcher" <<LAUNCHER
#!/bin/sh
# Starts Lexiblast from the desktop's application menu (written by scripts/play.sh).
export WINEPREFIX='$WINEPREFIX' WINEDEBUG=-all WINEDLLOVERRIDES='$WINEDLLOVERRIDES'
cd '$PWD' && exec wine lexiblast.exe
LAUNCHER
  chmod 755 "$launcher"
  for size in 48 256; do
    mkdir -p "$data/icons/hicolor/${size}x$size/apps"
    cp "$top/build/win64/src/resources/lexiblast-$size.png" "$data/icons/hicolor/${size}x$size/apps/lexiblast.png"
  done
  cat >"$data/applications/lexiblast.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=Lexiblast
GenericName=Word Game
Comment=Zap the genuine words, eliminate the fakes
Exec="$launcher"
Path=$PWD
Icon=lexiblast
Terminal=false
Categories=Game;LogicGame;
ENTRY
  command -v update-desktop-database >/dev/null && update-desktop-database "$data/applications" 2>/dev/null
  return 0
}

# Starts the game; the first run creates the prefix, and every run brings its fonts and browser
# settings up to date (scripts/wine-prefix.sh, shared with the tests).
start_game() {
  if [ ! -f "$WINEPREFIX/.lexiblast-ready" ]; then
    echo "Preparing the Wine prefix $WINEPREFIX (once)..." >&2
  fi
  bash "$top/scripts/wine-prefix.sh" prepare "$WINEPREFIX"
  if [ $on_virtual_screen = 1 ]; then
    # No window manager on the virtual screen: Wine draws the frames itself.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
  fi
  wine lexiblast.exe
}

if [ -n "${DISPLAY:-}" ]; then
  [ $on_virtual_screen = 1 ] || install_launcher # not for a virtual screen: no desktop shows it
  start_game
else
  echo "Starting on a virtual screen (Xvfb); nothing will be shown. Stop it with Ctrl+C." >&2
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$top/scripts/play.sh" --on-virtual-screen
fi
