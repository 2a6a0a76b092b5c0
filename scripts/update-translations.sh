#!/usr/bin/env bash
# Brings the translation files (translations/<layer>_<language>.ts) up to date with the
# code: every text the code marks for translation (tr(), QT_TR_NOOP, QT_TRANSLATE_NOOP,
# the .ui forms' strings) gets an entry, texts gone from the code are dropped. New
# entries stay "unfinished" until a translator fills them in (Qt Linguist, `linguist
# translations/ui_de.ts`, or any text editor), and the tests fail until then.
#
#   bash scripts/update-translations.sh              update translations/
#   bash scripts/update-translations.sh --into DIR   write updated copies into DIR instead
#                                                    (the tests' check uses this)
#
# To add a language, e.g. Italian: add "it" to SOLVANTA_LANGUAGES in
# cmake/Translations.cmake and to `languages` below, run this script (it creates
# translations/*_it.ts), translate every entry, and write translations/glossary_it.md
# with the language's words for the signs, elements, birthstones and weekdays. The
# program then speaks Italian wherever the desktop's language is Italian.
#
# English is the code's own language: its files hold only the plural forms
# ("%n minute(s)" as "1 minute", "2 minutes").
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/translations
if [ "${1:-}" = --into ]; then
  out=$2
  mkdir -p "$out"
  cp "$root"/translations/*.ts "$out"/ 2>/dev/null || true
fi
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate)

languages=(de fr es pt_BR)
# Each layer of the program has its own files.
declare -A layers=([core]=src/core [astro]=src/astro [ui]=src/ui [shell]=src/shell)

for layer in "${!layers[@]}"; do
  ts=()
  for language in "${languages[@]}"; do ts+=("$out/${layer}_${language}.ts"); done
  (cd "$root" && "$lupdate" -silent -locations none -no-obsolete -extensions cpp,h,ui \
    "${layers[$layer]}" -ts "${ts[@]}")
  (cd "$root" && "$lupdate" -silent -locations none -no-obsolete -pluralonly \
    -extensions cpp,h,ui "${layers[$layer]}" -ts "$out/${layer}_en.ts")
done
