#!/usr/bin/env bash
# The report as PDF, 30 and 1,000 trips: our engine reopening the saved workbook and
# printing it to PDF (bench/pdf_bench) against LibreOffice headless converting the very
# same workbook, in one run; prints both medians and their ratio for each size.
# LibreOffice's time includes starting the program for each file, as a script converting
# one report pays it; one untimed run first sets up its private profile. Wall-clock and
# CPU times are both given: on a busy machine the wall clock mostly measures the wait.
# Usage: bench/pdf_peer.sh [build-folder]   (PEER_RUNS, default 5)
set -euo pipefail
build="${1:-build/test}"
bench="$build/bench/pdf_bench"
runs="${PEER_RUNS:-5}"
. "$(dirname "$0")/storedlog.sh"
start_timing "$bench" soffice
"$bench" --write-workbooks="$work"

median() {
  sort -n | awk '{ t[NR] = $1 } END { m = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2; printf "%.3f", m / 1000 }'
}

convert() {
  soffice "-env:UserInstallation=file://$work/profile" --headless --norestore \
    --convert-to pdf --outdir "$work/pdf" "$1" >/dev/null 2>&1
}

for trips in 30 1000; do
  read -r ours_ms ours_cpu_ms < <("$bench" --benchmark_filter="pdfOfWorkbook/$trips\$" --benchmark_repetitions="$runs" \
    --benchmark_report_aggregates_only=true --benchmark_format=json 2>/dev/null |
    /usr/bin/python3 -c '
import json, sys
runs = json.load(sys.stdin)["benchmarks"]
median = [b for b in runs if b.get("aggregate_name") == "median"][0]
scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[median["time_unit"]]
print("%.3f %.3f" % (median["real_time"] * scale, median["cpu_time"] * scale))')

  book="$work/trips$trips.xls"
  made="$work/pdf/trips$trips.pdf"
  convert "$book"
  [ -s "$made" ] || { echo "pdf_peer: LibreOffice wrote no PDF" >&2; exit 1; }
  times=()
  cpu=()
  for _ in $(seq "$runs"); do
    rm -f "$made"
    # wall-clock and CPU (user + system, the program and its children) in microseconds
    spent="$( { TIMEFORMAT='%3R %3U %3S'; time convert "$book"; } 2>&1 )"
    [ -s "$made" ] || { echo "pdf_peer: LibreOffice wrote no PDF" >&2; exit 1; }
    times+=("$(awk '{ printf "%d", $1 * 1000000 }' <<<"$spent")")
    cpu+=("$(awk '{ printf "%d", ($2 + $3) * 1000000 }' <<<"$spent")")
  done
  peer_ms="$(printf '%s\n' "${times[@]}" | median)"
  peer_cpu_ms="$(printf '%s\n' "${cpu[@]}" | median)"

  echo "PDF of the $trips-trip report (reopen workbook, print), median of $runs: ${ours_ms} ms wall, ${ours_cpu_ms} ms CPU"
  echo "LibreOffice headless, same workbook to PDF, median of $runs:      ${peer_ms} ms wall, ${peer_cpu_ms} ms CPU"
  awk -v ours="$ours_ms" -v peer="$peer_ms" -v oc="$ours_cpu_ms" -v pc="$peer_cpu_ms" \
    'BEGIN { printf "ratio LibreOffice / ours: %.1f wall, %.1f CPU\n", peer / ours, pc / oc }'
done
