#!/usr/bin/env bash
# Regenerates data/words.lst from Debian's SCOWL word lists (package scowl) and copies their
# copyright notice beside it. Run from anywhere; needs g++.
#   bash scripts/make-word-list.sh [folder]   # writes <folder>/words.lst and its notice (default: data)
#
# The list is SCOWL's "words" category of English and American spelling, sizes 10 to 55: the
# words an ordinary player knows (see "Your own word list" in the README for the choice of size).
# Left out: every other category (abbreviations, contractions, proper names, upper-case words,
# Roman numerals, hacker slang), the variant spellings, and entries with anything but the letters
# a to z (possessives, accented words).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
scowl=/usr/share/dict/scowl
size=55
out=${1:-$top/data}
[ -f "$scowl/english-words.$size" ] || { echo "install the scowl package first (scripts/install-deps.sh)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++20 -O2 -o "$work/make_wordlist" "$top/tools/make_wordlist.cpp"

lists=()
for s in 10 20 35 40 50 55 60 70 80 95; do
  [ "$s" -le "$size" ] || break
  for spelling in english american; do
    [ -f "$scowl/$spelling-words.$s" ] && lists+=("$scowl/$spelling-words.$s")
  done
done
# The lists are ISO-8859-1; byte-wise matching (LC_ALL=C) leaves their accented letters alone.
# SCOWL files the plural of a letter ("bs", "cs", "es", "ms") as a word: no player would, so
# two-letter entries of a letter but a, i, o, u followed by s are dropped ("as", "is", "os" and
# "us" stay).
cat "${lists[@]}" | LC_ALL=C grep -v -x -E '[b-hj-np-tv-z]s' >"$work/words.txt"
# Capitalised entries are left out too: the game's words are plain lower-case words.
"$work/make_wordlist" --lower-only "$work/words.txt" "$out/words.lst"
cp /usr/share/doc/scowl/copyright "$out/words.lst.copyright"
