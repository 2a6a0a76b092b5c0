#!/usr/bin/env bash
# The translation files are complete: every text the code marks for translation has an
# entry in every language's file, and no entry is unfinished.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
bash "$root/scripts/update-translations.sh" --into "$tmp" || { echo "FAIL: lupdate"; exit 1; }
status=0
for ts in "$tmp"/*.ts; do
  name=$(basename "$ts")
  if ! cmp -s "$ts" "$root/translations/$name"; then
    echo "FAIL: translations/$name is not up to date with the code (run scripts/update-translations.sh):"
    diff -u "$root/translations/$name" "$ts" | head -40
    status=1
  fi
  if grep -q 'type="unfinished"' "$ts"; then
    echo "FAIL: translations/$name has unfinished entries:"
    grep -B3 'type="unfinished"' "$ts" | grep '<source>' | head -20
    status=1
  fi
done
[ $status = 0 ] && echo "translations: $(ls "$tmp"/*.ts | wc -l) files complete and up to date"
exit $status
