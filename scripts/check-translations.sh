#!/usr/bin/env bash
# Fails when a text of the sources is not translated in every shipped language: lupdate
# merges the sources into scratch copies of translations/*.ts, and any entry it leaves
# unfinished (new or changed texts), vanished or obsolete (texts the sources no longer
# have) is named; so is a plural form left empty, English's included.
# scripts/update-translations.sh brings the files up to date.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

shopt -s nullglob
ts_files=(translations/*.ts)
if [ "${#ts_files[@]}" -eq 0 ]; then
  echo "check-translations: no translations/*.ts" >&2
  exit 1
fi
cp "${ts_files[@]}" "$scratch/"
# English, the source language, holds only the texts with plural forms.
plurals="$scratch/brindlewick_en.ts"
if [ ! -f "$plurals" ]; then
  echo "check-translations: translations/brindlewick_en.ts (English plural forms) is missing" >&2
  exit 1
fi
languages=()
for ts in "$scratch"/*.ts; do
  [ "$ts" = "$plurals" ] || languages+=("$ts")
done
"$lupdate" -silent -locations none -extensions cpp,h src tools -ts "${languages[@]}"
"$lupdate" -silent -locations none -extensions cpp,h -pluralonly src tools -ts "$plurals"

status=0
for ts in "$scratch"/*.ts; do
  if ! /usr/bin/python3 - "$ts" <<'PY'
import sys
import xml.etree.ElementTree as ET

path = sys.argv[1]
bad = []
for context in ET.parse(path).getroot().iter("context"):
    name = context.findtext("name")
    for message in context.iter("message"):
        translation = message.find("translation")
        kind = translation.get("type") if translation is not None else "missing"
        numerus = message.get("numerus") == "yes"
        def blank(element):
            # Line breaks are stored as <byte> children, so a text may start with one.
            return len(element) == 0 and not (element.text or "").strip()
        empty = translation is None or (not numerus and blank(translation)) or (
            numerus and any(blank(f) for f in translation.iter("numerusform")))
        if kind in ("unfinished", "vanished", "obsolete", "missing") or empty:
            what = kind if kind else "empty"
            bad.append(f"  {what}: [{name}] {message.findtext('source')!r}")
if bad:
    print(f"{path.rsplit('/', 1)[-1]}: {len(bad)} text(s) not translated:")
    print("\n".join(bad))
    sys.exit(1)
PY
  then
    status=1
  fi
done
if [ "$status" -ne 0 ]; then
  echo "check-translations: translate the texts above in translations/*.ts" \
       "(scripts/update-translations.sh refreshes the files from the sources)" >&2
fi
exit "$status"
