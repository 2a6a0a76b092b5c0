#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metadata in the given folder.
# Any remark from desktop-file-validate (error, warning or hint) fails; appstreamcli
# fails on warnings and errors and may only leave infos and pedantic notes.
set -uo pipefail
dir=${1:?usage: validate-metadata.sh <packaging-folder>}
status=0

out=$(desktop-file-validate "$dir/solvanta.desktop" 2>&1)
rc=$?
if [ $rc -ne 0 ] || [ -n "$out" ]; then
  echo "FAIL: desktop-file-validate (exit $rc):"
  echo "$out"
  status=1
else
  echo "ok: desktop-file-validate solvanta.desktop"
fi

out=$(appstreamcli validate --no-net "$dir/solvanta.metainfo.xml" 2>&1)
rc=$?
echo "$out"
if [ $rc -ne 0 ] || grep -qE '^[EW]: ' <<<"$out"; then
  echo "FAIL: appstreamcli validate (exit $rc)"
  status=1
else
  echo "ok: appstreamcli validate solvanta.metainfo.xml"
fi
# Every language the program speaks names and describes it in the desktop's menus and
# software centres too.
for language in de fr es pt_BR; do
  for key in GenericName Comment Keywords; do
    english=$(grep -m1 "^$key=" "$dir/solvanta.desktop" | cut -d= -f2-)
    translated=$(grep -m1 "^$key\[$language\]=" "$dir/solvanta.desktop" | cut -d= -f2-)
    if [ -z "$translated" ] || [ "$translated" = "$english" ]; then
      echo "FAIL: solvanta.desktop has no $key[$language] of its own"
      status=1
    fi
  done
  for element in summary p caption; do
    grep -q "<$element xml:lang=\"$language\">" "$dir/solvanta.metainfo.xml" ||
      { echo "FAIL: solvanta.metainfo.xml has no <$element xml:lang=\"$language\">"; status=1; }
  done
done
exit $status
