#!/usr/bin/env bash
# The whole create path as a script pays for it: brindlewick-report, one process per
# report (start, build, save, reopen, picture, hand-over), for the 30-trip sample and
# for stored logs of 1,000 and 10,000 trips kept as this version keeps them; and, in the
# same run, LibreOffice headless turning each of those very workbooks into a PDF. Prints
# the median wall time and the median peak memory (resident set) of each, and their
# ratio; then ours alone for the largest log still in version 1.0's single INI file.
# LibreOffice starts once untimed first to set up its private profile.
# Usage: bench/createpath_peer.sh [build-folder]
#   RUNS (default 5) runs of ours per size; PEER_RUNS (default 3) of LibreOffice;
#   SIZES (default "30 1000 10000").
set -euo pipefail
build="${1:-build/test}"
tool="$build/tools/brindlewick-report/brindlewick-report"
runs="${RUNS:-5}"
peer_runs="${PEER_RUNS:-3}"
sizes="${SIZES:-30 1000 10000}"
. "$(dirname "$0")/storedlog.sh"
start_timing "$tool" soffice

convert() {
  rm -f "$work/pdf/$1.pdf"
  soffice "-env:UserInstallation=file://$work/profile" --headless --norestore \
    --convert-to pdf --outdir "$work/pdf" "$work/$1.xls"
  [ -s "$work/pdf/$1.pdf" ]
}

printf '%-7s %14s %11s %18s %11s %8s\n' trips "ours ms" "ours MiB" "LibreOffice ms" "LO MiB" ratio
for n in $sizes; do
  if [ "$n" = 30 ]; then
    source=(--sample)
  else
    write_stored_log "$n" "$work/store$n"
    source=(--settings "$work/store$n.ini")
  fi
  "$tool" "${source[@]}" "$work/trips$n.xls" 2>/dev/null
  read -r ours_us ours_kib < <(measure "$runs" "$tool" "${source[@]}" "$work/run.xls")
  [ -d "$work/profile" ] || convert "trips$n" >/dev/null 2>&1
  read -r peer_us peer_kib < <(measure "$peer_runs" bash -c "$(declare -f convert); work='$work'; convert trips$n")
  awk -v n="$n" -v o="$ours_us" -v om="$ours_kib" -v p="$peer_us" -v pm="$peer_kib" 'BEGIN {
    printf "%-7s %14.1f %11.1f %18.1f %11.1f %8.1f\n", n, o / 1000, om / 1024, p / 1000, pm / 1024, p / o }'
done
largest="${sizes##* }"
if [ "$largest" != 30 ]; then
  write_old_ini "$largest" "$work/old$largest"
  read -r ours_us ours_kib < <(measure "$runs" "$tool" --settings "$work/old$largest.ini" "$work/run.xls")
  awk -v n="$largest" -v o="$ours_us" -v om="$ours_kib" 'BEGIN {
    printf "%-7s %14.1f %11.1f   (the log in version 1.0'"'"'s INI file)\n", n, o / 1000, om / 1024 }'
fi
echo "(medians: ours of $runs runs, LibreOffice of $peer_runs; wall time and peak resident memory of the whole process)"
