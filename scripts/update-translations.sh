#!/usr/bin/env bash
# Refreshes translations/*.ts from the sources in place: new texts appear as
# unfinished entries to translate, texts no longer in the sources are dropped.
# Locations are left out so that a moved line does not change the files. English, the
# source language, keeps only the texts with plural forms (brindlewick_en.ts).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
plurals=translations/brindlewick_en.ts
languages=()
for ts in translations/*.ts; do
  [ "$ts" = "$plurals" ] || languages+=("$ts")
done
options=(-silent -no-obsolete -locations none -extensions cpp,h)
"$lupdate" "${options[@]}" src tools -ts "${languages[@]}"
"$lupdate" "${options[@]}" -pluralonly src tools -ts "$plurals"
