#!/bin/sh
# Fails when code in src/ or tools/ turns numbers into text or back through the C library
# or iostreams. Qt sets the C library's locale from the environment at start, so under a
# decimal-comma locale printf writes "2,5" and strtod stops at "2.5"'s period. Numbers are
# converted with std::to_chars / std::from_chars, Qt's C-locale conversions
# (QString::number, QString::toDouble), or QLocale where the user's own form is meant.
# Comment lines are not looked at.
cd "$(dirname "$0")/.." || exit 2
pattern='\b(v?s?n?printf|v?f?printf|v?s?f?scanf|strto(d|f|ld|l|ll|ul|ull|imax|umax)|ato(f|i|l|ll)|std::sto(d|f|ld|i|l|ll|ul|ull)|std::to_string)[[:space:]]*\(|std::(i|o)?stringstream|std::(cout|cerr|clog|cin)\b|#include[[:space:]]*<(sstream|iostream|strstream)>'
found=$(find src tools -name '*.cpp' -o -name '*.h' | sort | xargs grep -nE "$pattern" |
    grep -vE '^[^:]+:[0-9]+:[[:space:]]*//')
if [ -n "$found" ]; then
    printf '%s\n' "$found"
    echo "Numbers go through std::to_chars/from_chars, Qt or QLocale, not the C library's locale." >&2
    exit 1
fi
exit 0
