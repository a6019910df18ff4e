#!/usr/bin/env bash
# Fails, naming the files, when a tracked C++ file is not as clang-format lays it out.
# To format before committing: scripts/check-format.sh --fix
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests tools bench fuzz -name '*.cpp' -o -name '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format-14 -i "${files[@]}"
  exit 0
fi
report=$(mktemp)
trap 'rm -f "$report"' EXIT
if ! clang-format-14 --dry-run --Werror "${files[@]}" 2>"$report"; then
  grep -o '^[^:]*\.\(cpp\|h\)' "$report" | sort -u | sed 's/^/not formatted: /' >&2
  echo "Run scripts/check-format.sh --fix, then commit." >&2
  exit 1
fi
