#!/usr/bin/env bash
# The shipped word list is exactly what scripts/make-word-list.sh makes from the SCOWL lists, and
# the fairness check turns away a list that holds a Roman numeral or an abbreviation.
#   word-list.sh <word_list_report> <words.lst>
set -euo pipefail
report=${1:?word_list_report} list=${2:?words.lst}
top=$(cd "$(dirname "$0")/../../.." && pwd)
[ -d /usr/share/dict/scowl ] || { echo "no SCOWL lists to compare with: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

bash "$top/scripts/make-word-list.sh" "$work"
cmp -s "$work/words.lst" "$list" || { echo "FAIL: $list is not what scripts/make-word-list.sh makes"; exit 1; }
cmp -s "$work/words.lst.copyright" "$(dirname "$list")/words.lst.copyright" ||
  { echo "FAIL: the copyright notice beside $list is not the SCOWL package's"; exit 1; }

for word in pong payphone; do
  grep -qx "$word"$'\r' "$list" || { echo "FAIL: \"$word\" is missing from $list"; exit 1; }
done
for fragment in cs ms kg xv; do
  ! grep -qx "$fragment"$'\r' "$list" || { echo "FAIL: \"$fragment\" is in $list"; exit 1; }
done

for bad in xv cm; do
  { cat "$list"; printf '%s\r\n' "$bad"; } >"$work/bad.lst"
  if "$report" --check "$work/bad.lst" >/dev/null 2>&1; then
    echo "FAIL: the check passed a list holding \"$bad\""
    exit 1
  fi
done
echo "word list: remade byte for byte, spot checks and the fairness check hold"
