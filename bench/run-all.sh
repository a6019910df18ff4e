#!/usr/bin/env bash
# Runs every benchmark program of a build folder, every peer-comparison script and the
# start-up timing, printing medians. Usage: bench/run-all.sh [build-folder]
set -euo pipefail
build="${1:-build/test}"
here="$(cd "$(dirname "$0")" && pwd)"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

shopt -s nullglob
for exe in "$build"/bench/*_bench; do
  [ -x "$exe" ] || continue
  echo "== $(basename "$exe")"
  "$exe" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_filter="${BENCH_FILTER:-.}" 2>&1 | grep -E "_median|^Benchmark|^-" || true
done
for peer in "$here"/*_peer.sh "$here"/*_peer.py "$here"/startup.sh "$here"/createtemplate.sh; do
  echo "== $(basename "$peer")"
  case "$peer" in
    *.py) /usr/bin/python3 "$peer" "$build" ;;
    *) bash "$peer" "$build" ;;
  esac
done
