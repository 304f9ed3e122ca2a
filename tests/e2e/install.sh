#!/usr/bin/env bash
# Packs a Windows build and tries its installer the way a player would, in a fresh Wine prefix:
# installs silently, checks the files, the Start-menu shortcut and the entry among the installed
# programs, plays a game of the installed program started in the shortcut's working folder,
# uninstalls silently and checks that the program is gone and the player's scores are not.
#   install.sh <build folder>
set -uo pipefail
build=$(cd "${1:?build folder}" && pwd)
top=$(cd "$(dirname "$0")/../.." && pwd)
out=$build/package-test
export WINEPREFIX=$out/wineprefix WINEDEBUG=-all
# No menu entries on the host for the shortcut the installer makes.
export WINEDLLOVERRIDES="mscoree,mshtml,winealsa.drv,winedbg.exe,winemenubuilder.exe=d"

passed=0 failed=0
check() { # check <what> <command>...
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1)) && echo "ok: $what"
  else
    failed=$((failed + 1)) && echo "FAIL: $what"
  fi
}
finish() {
  bash "$top/scripts/wine-prefix.sh" cleanup "$WINEPREFIX" >/dev/null
  [ "$failed" -eq 0 ] && rm -rf "$WINEPREFIX"
  echo "package: $passed passed, $failed failed"
  exit $((failed > 0))
}

rm -rf "$out" && mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || cat "$out/cpack.log"
setting() { sed -n "s/^set($1 \"\(.*\)\")$/\1/p" "$build/CPackConfig.cmake"; }
version=$(setting CPACK_PACKAGE_VERSION)
name=Lexiblast-$version-$(setting CPACK_SYSTEM_NAME)
check "cpack made $name.exe and $name.zip" test -f "$out/$name.exe" -a -f "$out/$name.zip"
as_invoker() { grep -aq 'requestedExecutionLevel level="asInvoker"' "$out/$name.exe"; }
check "the installer asks for no rights beyond the player's" as_invoker
# A stand-in for the desktop's opener, first on the path before the prefix is made, so that the
# prefix hands web pages to it (winebrowser, then xdg-open) and the test sees what it was given.
mkdir -p "$out/bin"
printf '#!/bin/sh\necho "$@" >>"%s"\n' "$out/opened.txt" >"$out/bin/xdg-open"
chmod +x "$out/bin/xdg-open"
export PATH=$out/bin:$PATH LEXIBLAST_BROWSER=auto
fresh_prefix() { bash "$top/scripts/wine-prefix.sh" setup "$WINEPREFIX" >/dev/null; }
check "a fresh Wine prefix made" fresh_prefix
[ "$failed" -eq 0 ] || finish
user=$WINEPREFIX/drive_c/users/$(id -un)
folder=$user/AppData/Local/Programs/Lexiblast
shortcut="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Lexiblast.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lexiblast'

check "the installer ran silently and ended with status 0" timeout 60 wine "$out/$name.exe" /S
files=(README.txt lexiblast.exe lexihelp.htm make_wordlist.exe words.lst words.lst.copyright)
expected=$(printf '%s\n' "${files[@]}" | LC_ALL=C sort)
installed=$(ls "$folder" 2>/dev/null | grep -vx uninstall.exe | LC_ALL=C sort)
check "the install folder holds the program's files" test "$installed" = "$expected"
check "the install folder holds the uninstaller" test -f "$folder/uninstall.exe"
machine() { python3 -c 'import struct, sys; d = open(sys.argv[1], "rb").read(); print(hex(struct.unpack_from("<H", d, struct.unpack_from("<I", d, 60)[0] + 4)[0]))' "$1"; }
word_size() { [ "$(machine "$folder/lexiblast.exe")" = "$([ "${name##*-}" = win64 ] && echo 0x8664 || echo 0x14c)" ]; }
check "the package's name tells the program's word size" word_size
about() { strings -el "$folder/lexiblast.exe" | grep -x "Lexiblast version $version" >/dev/null; }
check "the installed program's About box names version $version" about
zipped=$(unzip -Z1 "$out/$name.zip" | sed -n "s|^$name/\(.\)|\1|p" | LC_ALL=C sort)
check "the zip holds the same files" test "$zipped" = "$expected"

entry=$(wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r')
value() { sed -n "s/^ *$1 *REG_SZ *//p" <<<"$entry"; }
check "installed programs list DisplayName Lexiblast" test "$(value DisplayName)" = Lexiblast
check "installed programs list DisplayVersion $version" test "$(value DisplayVersion)" = "$version"
check "installed programs list Publisher Quillmoor Software" test "$(value Publisher)" = "Quillmoor Software"
uninstaller=$(winepath -u "$(value UninstallString | tr -d '"')" 2>/dev/null)
check "UninstallString names the installed uninstaller" test "$uninstaller" -ef "$folder/uninstall.exe"

# The shortcut's target and working folder, from the Shell Link format: a 76-byte header, an
# optional item list, the link information (the target's local path), then counted strings of
# which the working folder is the third.
read_link() {
  python3 - "$1" <<'EOF'
import struct, sys
data = open(sys.argv[1], "rb").read()
flags, at = struct.unpack_from("<I", data, 20)[0], 76
at += 2 + struct.unpack_from("<H", data, at)[0] if flags & 1 else 0
base = at + struct.unpack_from("<I", data, at + 16)[0]
print(data[base:data.index(b"\0", base)].decode("latin-1"))
at += struct.unpack_from("<I", data, at)[0]
strings, width = {}, 2 if flags & 0x80 else 1
for bit in (4, 8, 16):
    if flags & bit:
        count = struct.unpack_from("<H", data, at)[0] * width
        strings[bit] = data[at + 2:at + 2 + count].decode("utf-16-le" if width == 2 else "latin-1")
        at += 2 + count
print(strings.get(16, ""))
EOF
}
{ read -r target && read -r workdir; } < <(read_link "$shortcut" 2>/dev/null)
check "Start-menu shortcut to the installed lexiblast.exe" test "$(winepath -u "${target:-none}")" -ef "$folder/lexiblast.exe"
check "the shortcut's working folder is the install folder" test "$(winepath -u "${workdir:-none}")" -ef "$folder"

# The end-to-end game, against the installed program in the shortcut's working folder.
play=(timeout 100 wine "$build/e2e_driver.exe" play "${workdir:-none}\\lexiblast.exe")
[ -n "${DISPLAY:-}" ] || play=(xvfb-run -a -s "-screen 0 1280x1024x24" "${play[@]}")
game=$(cd "$folder" 2>/dev/null && "${play[@]}" 2>&1)
echo "$game"
check "a whole game played on the installed program" grep -Eq "^e2e: [1-9][0-9]* passed, 0 failed" <<<"$game"
# The help page and the web site, from the installed program's Help menu, reach the desktop's opener.
web=$(cd "$folder" 2>/dev/null && timeout 60 wine "$build/lexiblast_remote.exe" web "${workdir:-none}\\lexiblast.exe" 2>&1)
echo "$web"
for _ in $(seq 50); do [ "$(wc -l <"$out/opened.txt" 2>/dev/null)" = 2 ] && break; sleep 0.1; done
check "Help > Contents and Go To Web Site open without a message" grep -Eq "^web: [1-9][0-9]* passed, 0 failed" <<<"$web"
check "the help page went to the desktop's opener" grep -q "lexihelp.htm" "$out/opened.txt"
check "the web site went to the desktop's opener" grep -q "^https://lexiblast.example.org/" "$out/opened.txt"
scores() { wine reg query 'HKCU\Software\Quillmoor\Lexiblast' /s 2>/dev/null | tr -d '\r'; }
scores >"$out/scores-before.txt"
check "the game left its statistics in the registry" grep -q 'Lexiblast\\Generic$' "$out/scores-before.txt"

# The uninstaller copies itself away and returns at once: wait for the folder to go.
check "the uninstaller ran silently" wine "$folder/uninstall.exe" /S
for _ in $(seq 300); do [ -e "$folder" ] || break; sleep 0.1; done
check "the install folder is gone" test ! -e "$folder"
check "the shortcut is gone" test ! -e "$shortcut"
no_key() { ! wine reg query "$1" >/dev/null 2>&1; }
check "the installed programs no longer list Lexiblast" no_key "$uninstall_key"
scores >"$out/scores-after.txt"
check "the player's settings, statistics and high scores stay" cmp -s "$out/scores-before.txt" "$out/scores-after.txt"
finish
