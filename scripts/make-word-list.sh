#!/usr/bin/env bash
# Regenerates data/words.lst from Debian's American English list (package wamerican) and
# copies that list's copyright notice beside it. Run from anywhere; needs g++.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
source=/usr/share/dict/american-english
[ -f "$source" ] || { echo "install the wamerican package first (scripts/install-deps.sh)" >&2; exit 1; }
tool=$(mktemp)
trap 'rm -f "$tool"' EXIT
g++ -std=c++20 -O2 -o "$tool" "$top/tools/make_wordlist.cpp"
# Proper nouns (capitalised entries) are left out: the game's words are plain lower-case words.
"$tool" --lower-only "$source" "$top/data/words.lst"
cp /usr/share/doc/wamerican/copyright "$top/data/words.lst.copyright"
