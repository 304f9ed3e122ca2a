#!/usr/bin/env bash
# Prepares or tears down a Wine prefix for the game: the private one the Windows tests run in, and
# the player's own (scripts/play.sh), so that the tests see what the player sees.
#   wine-prefix.sh prepare <prefix>  create the prefix once and give it the game's fonts and browser
#   wine-prefix.sh setup <prefix>    kill any old server, prepare the prefix (without a browser
#                                    unless LEXIBLAST_BROWSER=auto), start a server
#   wine-prefix.sh cleanup <prefix>  stop the server of the prefix
set -u
action=${1:?setup or cleanup}
prefix=${2:?prefix folder}
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winealsa.drv=d"

stop_server() {
  wineserver -k >/dev/null 2>&1 || true # exits 1 when no server runs
  wineserver -w >/dev/null 2>&1 || true
}

# The faces the game asks for (its default Arial and the random fonts' table), each drawn by an
# installed family of a like kind (scripts/install-deps.sh installs them): metric twins for Arial,
# Times New Roman and Courier New, and a spread of others so that random fonts look random. Wine's
# own Tahoma is kept.
replacements=(
  "Arial=Liberation Sans" "Helvetica=Liberation Sans" "Times New Roman=Liberation Serif"
  "Courier New=Liberation Mono" "Franklin Gothic Book=Liberation Sans Narrow"
  "Verdana=DejaVu Sans" "Bookman Old Style=DejaVu Serif" "Rockwell=DejaVu Serif Condensed"
  "Comic Sans MS=Comic Neue" "Lucida Sans=Linux Biolinum O" "Palatino=Linux Libertine O"
  "Book Antiqua=Linux Libertine O" "Centaur=EB Garamond 12" "Baskerville Old Face=Old Standard TT"
  "Harrington=GFS Didot" "Castellar=GFS Didot" "Impact=Yanone Kaffeesatz"
  "Copperplate Gothic Light=Cantarell" "Stencil=League Spartan" "Goudy Stout=League Spartan"
  "Broadway=Beteckna" "Magneto=Dancing Script" "Vivaldi=Dancing Script"
  "Lucida Handwriting=Dancing Script" "Mistral=Breip" "Lucida Calligraphy=Breip"
  "Chiller=femkeklaver" "Gigi=femkeklaver" "Jokerman=femkeklaver"
)
# Raise when the settings below change: prefixes made before get them at their next start.
settings_version=1

# The programs winebrowser tries in turn (Wine's own list).
browsers=(xdg-open firefox konqueror mozilla netscape galeon opera dillo)
# LEXIBLAST_BROWSER=none treats the machine as having none: the tests' prefixes are made so (setup),
# so that no test opens a real browser and the tests see what a player without one sees.
has_browser() {
  [ "${LEXIBLAST_BROWSER:-auto}" = none ] && return 1
  local b
  for b in "${browsers[@]}"; do
    command -v "$b" >/dev/null && return 0
  done
  return 1
}

# The registry settings: the font stand-ins, and how web pages (the help page) and web addresses
# open. With a browser on the machine, winebrowser opens both and hands them to it (xdg-open: the
# desktop's own choice); Wine's own set-up leaves .htm and .html without a file type when its HTML
# engine is switched off, as it is here. Without one, nothing is set up to open them, so that the
# game tells the player so instead of handing them to a winebrowser that fails without a word.
write_settings() {
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\n'
  local pair
  for pair in "${replacements[@]}"; do
    printf '"%s"="%s"\n' "${pair%%=*}" "${pair#*=}"
  done
  local browser='@="\"C:\\windows\\system32\\winebrowser.exe\" \"%1\""'
  local type
  if has_browser; then
    for type in .htm .html; do
      printf '\n[HKEY_CLASSES_ROOT\\%s]\n@="htmlfile"\n"Content Type"="text/html"\n' "$type"
    done
    for type in htmlfile http https; do
      printf '\n[HKEY_CLASSES_ROOT\\%s\\shell\\open\\command]\n%s\n' "$type" "$browser"
    done
  else
    for type in .htm .html http\\shell\\open https\\shell\\open; do
      printf '\n[-HKEY_LOCAL_MACHINE\\Software\\Classes\\%s]\n' "$type"
    done
  fi
}

# Creates the prefix once, links Wine's fonts into it (Wine 8 does not find them otherwise, and
# window titles lose their letters) and brings its registry settings up to date, also when a browser
# has come or gone since.
prepare() {
  mkdir -p "$prefix"
  if [ ! -f "$prefix/.lexiblast-ready" ]; then
    wine wineboot -i >"$prefix/wineboot.log" 2>&1 </dev/null || { cat "$prefix/wineboot.log"; exit 1; }
    fonts=$prefix/drive_c/windows/Fonts
    mkdir -p "$fonts"
    for f in /usr/share/wine/fonts/*.ttf; do
      [ -e "$f" ] && ln -sf "$f" "$fonts/"
    done
    touch "$prefix/.lexiblast-ready"
  fi
  local state=$settings_version
  has_browser && state="$state with a browser"
  if [ "$(cat "$prefix/.lexiblast-settings" 2>/dev/null)" != "$state" ]; then
    write_settings >"$prefix/lexiblast.reg"
    wine regedit /S 'Z:'"${prefix//\//\\}"'\lexiblast.reg' >>"$prefix/wineboot.log" 2>&1 </dev/null ||
      { cat "$prefix/wineboot.log"; exit 1; }
    echo "$state" >"$prefix/.lexiblast-settings"
  fi
}

case $action in
prepare)
  prepare
  ;;
setup)
  export LEXIBLAST_BROWSER=${LEXIBLAST_BROWSER:-none}
  stop_server
  mkdir -p "$prefix"
  # A server with open pipes would keep CTest waiting, so it gets none.
  wineserver -p </dev/null >/dev/null 2>&1
  fresh=0
  [ -f "$prefix/.lexiblast-ready" ] || fresh=1
  prepare
  if [ $fresh = 1 ]; then
    # Without a window manager, managed windows make every hide wait; let Wine draw the frames itself.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$prefix/wineboot.log" 2>&1 </dev/null
  else
    # Start the prefix's services now, with no pipes of ours: a service started by the first test
    # would inherit the test's output pipes and keep CTest waiting after the test has ended.
    wine wineboot >"$prefix/wineboot.log" 2>&1 </dev/null || { cat "$prefix/wineboot.log"; exit 1; }
  fi
  echo "wine prefix ready: $prefix"
  ;;
cleanup)
  stop_server
  echo "wine server stopped"
  ;;
*)
  echo "unknown action: $action" >&2
  exit 2
  ;;
esac
