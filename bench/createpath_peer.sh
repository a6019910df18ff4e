#!/usr/bin/env bash
# The whole create path as a script pays for it: brindlewick-report, one process per
# report (start, build, save, reopen, picture, hand-over), for the 30-trip sample and
# for stored logs of 1,000 and 10,000 trips; and, in the same run, LibreOffice headless
# turning each of those very workbooks into a PDF. Prints the median wall time and the
# median peak memory (resident set) of each, and their ratio. LibreOffice starts once
# untimed first to set up its private profile.
# Usage: bench/createpath_peer.sh [build-folder]
#   RUNS (default 5) runs of ours per size; PEER_RUNS (default 3) of LibreOffice;
#   SIZES (default "30 1000 10000").
set -euo pipefail
build="${1:-build/test}"
tool="$build/tools/brindlewick-report/brindlewick-report"
runs="${RUNS:-5}"
peer_runs="${PEER_RUNS:-3}"
sizes="${SIZES:-30 1000 10000}"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

if [ ! -x "$tool" ]; then
  echo "createpath_peer: $tool is not built" >&2
  exit 1
fi
if ! command -v soffice >/dev/null; then
  echo "createpath_peer: soffice is not installed" >&2
  exit 1
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A stored log of $1 trips, as the program's settings file keeps it.
write_settings() {
  awk -v n="$1" 'BEGIN {
    print "[General]"; print "RowCount=" n
    for (k = 1; k <= n; k++) {
      printf "RowSource1%%20%d=5/%d/2016\n", k, k % 28 + 1
      printf "RowSource2%%20%d=Store %d\n", k, k
      printf "RowSource3%%20%d=Mini mall\n", k
      printf "RowSource4%%20%d=%s\n", k, (k % 3 == 0) ? "" : "Daily delivery"
      printf "RowSource5%%20%d=%d\n", k, 58000 + 2 * k
      printf "RowSource6%%20%d=%d\n", k, 58002 + 2 * k
      printf "RowSource7%%20%d=2\n", k
      printf "RowSource8%%20%d=2.5\n", k
    }
  }' > "$2"
}

# Runs "$@" $runs times; prints "median-ms median-peak-KiB".
measure() {
  local n="$1"
  shift
  local times=() peaks=()
  for _ in $(seq "$n"); do
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f %M -o "$work/rss" "$@" >/dev/null 2>"$work/err" || { cat "$work/err" >&2; exit 1; }
    end=$(date +%s%N)
    times+=("$(( (end - start) / 1000 ))")
    peaks+=("$(cat "$work/rss")")
  done
  median() { sort -n | awk '{ t[NR] = $1 } END { printf "%.1f", (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }'; }
  echo "$(printf '%s\n' "${times[@]}" | median) $(printf '%s\n' "${peaks[@]}" | median)"
}

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
    write_settings "$n" "$work/trips$n.ini"
    source=(--settings "$work/trips$n.ini")
  fi
  "$tool" "${source[@]}" "$work/trips$n.xls" 2>/dev/null
  read -r ours_us ours_kib < <(measure "$runs" "$tool" "${source[@]}" "$work/run.xls")
  [ -d "$work/profile" ] || convert "trips$n" >/dev/null 2>&1
  read -r peer_us peer_kib < <(measure "$peer_runs" bash -c "$(declare -f convert); work='$work'; convert trips$n")
  awk -v n="$n" -v o="$ours_us" -v om="$ours_kib" -v p="$peer_us" -v pm="$peer_kib" 'BEGIN {
    printf "%-7s %14.1f %11.1f %18.1f %11.1f %8.1f\n", n, o / 1000, om / 1024, p / 1000, pm / 1024, p / o }'
done
echo "(medians: ours of $runs runs, LibreOffice of $peer_runs; wall time and peak resident memory of the whole process)"
