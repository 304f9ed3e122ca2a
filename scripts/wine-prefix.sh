#!/usr/bin/env bash
# Prepares or tears down the private Wine prefix that the Windows tests run in.
#   wine-prefix.sh setup <prefix>    kill any old server, create the prefix once, start a server
#   wine-prefix.sh cleanup <prefix>  stop the server of the prefix
set -u
action=${1:?setup or cleanup}
prefix=${2:?prefix folder}
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winealsa.drv=d"

stop_server() {
  wineserver -k >/dev/null 2>&1 || true # exits 1 when no server runs
  wineserver -w >/dev/null 2>&1 || true
}

case $action in
setup)
  stop_server
  mkdir -p "$prefix"
  # A server with open pipes would keep CTest waiting, so it gets none.
  wineserver -p </dev/null >/dev/null 2>&1
  if [ ! -f "$prefix/.lexiblast-ready" ]; then
    wine wineboot -i >"$prefix/wineboot.log" 2>&1 </dev/null || { cat "$prefix/wineboot.log"; exit 1; }
    # Without a window manager, managed windows make every hide wait; let Wine draw the frames itself.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$prefix/wineboot.log" 2>&1 </dev/null
    fonts=$prefix/drive_c/windows/Fonts
    mkdir -p "$fonts"
    for f in /usr/share/wine/fonts/*.ttf; do
      [ -e "$f" ] && ln -sf "$f" "$fonts/"
    done
    touch "$prefix/.lexiblast-ready"
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
