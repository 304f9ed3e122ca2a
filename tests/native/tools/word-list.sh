#!/usr/bin/env bash
# The shipped word list is exactly what scripts/make-word-list.sh makes from the SCOWL lists, and
# the fairness check turns away a list that holds a Roman numeral or an abbreviation.
set -euo pipefail
report=${1:?word_list_report} list=${2:?words.lst}
[ -d /usr/share/dict/scowl ] || { echo "no SCOWL lists to compare with: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$(dirname "$0")/../../../scripts/make-word-list.sh" "$work"
cmp -s "$work/words.lst" "$list" || { echo "FAIL: $list is not what scripts/make-word-list.sh makes"; exit 1; }
cmp -s "$work/words.lst.copyright" "${list%/*}/words.lst.copyright" || { echo "FAIL: copyright notice"; exit 1; }
for bad in xv cm; do
  { cat "$list"; printf '%s\r\n' "$bad"; } >"$work/bad.lst"
  ! "$report" --check "$work/bad.lst" >/dev/null 2>&1 || { echo "FAIL: the check passed \"$bad\""; exit 1; }
done
echo "word list: remade byte for byte, and the fairness check holds"
