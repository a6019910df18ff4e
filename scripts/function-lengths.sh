#!/bin/sh
# Lists the functions in src/ longer than a limit (80 lines by default), longest first.
# A function here is what clang-format lays out as a signature followed by a body whose
# "{" and "}" stand alone on their lines at one indentation (members of a class inside
# the class included); the count runs from the signature's last line to the closing
# brace. Exits 1 when a function other than the designed step lists (BuildSheet,
# GenerateReport0) is over the limit.
limit=${1:-80}
cd "$(dirname "$0")/.." || exit 2
report=$(find src -name '*.cpp' -o -name '*.h' | sort | xargs awk -v limit="$limit" '
    FNR == 1 { delete start }
    /^ *\{$/ { indent = index($0, "{"); start[indent] = FNR; signature[indent] = previous }
    /^ *\}$/ {
        indent = index($0, "}")
        if (indent in start) {
            n = FNR - start[indent] + 2
            if (n > limit) printf "%d\t%s:%d\t%s\n", n, FILENAME, start[indent] - 1, signature[indent]
            delete start[indent]
        }
    }
    { previous = $0 }
' | sort -rn)
[ -n "$report" ] && printf '%s\n' "$report"
printf '%s\n' "$report" | grep -v -e 'BuildSheet(' -e 'GenerateReport0(' | grep -q . && exit 1
exit 0
