#!/usr/bin/env bash
# Refreshes translations/*.ts from the sources in place: new texts appear as
# unfinished entries to translate, texts no longer in the sources are dropped.
# Locations are left out so that a moved line does not change the files.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h src tools -ts translations/*.ts
