#!/usr/bin/env bash
# Installs everything the build and the tests need on a Debian machine (run as root).
# Safe to run again: apt-get skips what is already there, and the i386 architecture (for the
# 32-bit Wine that runs the i686 tests) is added only when it is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-format libclang-rt-14-dev
  googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64 mingw-w64-tools
  wine wine64 wine32:i386 xvfb xauth fonts-wine fonts-liberation imagemagick
  scowl
  nsis python3 unzip # the Windows installers of scripts/package.sh, and their test
)
# Stand-ins for the faces the game asks for, mapped by name in the game's Wine prefix
# (scripts/wine-prefix.sh): metric twins of Arial, Times New Roman and Courier New (fonts-liberation
# above) and a spread of sans, serif, condensed, display and script faces for random fonts.
packages+=(
  fonts-dejavu-extra fonts-comic-neue fonts-linuxlibertine fonts-ebgaramond fonts-oldstandard
  fonts-gfs-didot fonts-yanone-kaffeesatz fonts-cantarell fonts-league-spartan fonts-beteckna
  fonts-dancingscript fonts-breip fonts-femkeklaver
)

need_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ] || [ $need_update -eq 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  # A mirror that hiccups once should not fail the whole run: try three times.
  for attempt in 1 2 3; do
    if apt-get update && { [ ${#missing[@]} -eq 0 ] || apt-get install -y --no-install-recommends "${missing[@]}"; }; then
      exit 0
    fi
    echo "apt-get failed (attempt $attempt of 3)" >&2
    sleep $((attempt * 10))
  done
  exit 1
fi
