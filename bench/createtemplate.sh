#!/usr/bin/env bash
# "Start Creating Template" in the desktop program with a long stored log, as a user
# waits for it: whole processes of bench/createtemplate_probe (the program starts, the
# button is clicked once the main window has painted, the process ends when the preview
# has painted its picture), for 10,000 trips and for the most trips a log holds. Prints
# the median time from the click to the preview and the median peak memory (VmHWM) of
# the whole process. The first start of each size, untimed, moves the rows into the
# log's database, as every later start finds them.
# Usage: bench/createtemplate.sh [build-folder]   (RUNS, default 5; SIZES, default "10000 65527")
set -euo pipefail
build="${1:-build/test}"
probe="$build/bench/createtemplate_probe"
runs="${RUNS:-5}"
sizes="${SIZES:-10000 65527}"
. "$(dirname "$0")/storedlog.sh"
start_timing "$probe"

# The store lives where the program looks for it; the report's temporary files in $work.
export XDG_CONFIG_HOME="$work/config"
export TMPDIR="$work"
store="$XDG_CONFIG_HOME/Varnholt/Brindlewick"
mkdir -p "$(dirname "$store")"

printf '%-26s %14s %10s\n' "stored log" "ms to preview" "peak MiB"
for n in $sizes; do
  write_stored_log "$n" "$store"
  "$probe" >/dev/null 2>"$work/err" || { cat "$work/err" >&2; exit 1; }
  ms=() kib=()
  for _ in $(seq "$runs"); do
    read -r m k < <("$probe" 2>"$work/err" || cat "$work/err" >&2)
    ms+=("$m")
    kib+=("$k")
  done
  awk -v what="$(printf "%'d trips" "$n")" -v m="$(printf '%s\n' "${ms[@]}" | median)" \
    -v k="$(printf '%s\n' "${kib[@]}" | median)" 'BEGIN { printf "%-26s %14.1f %10.1f\n", what, m, k / 1024 }'
done
echo "(medians of $runs runs: the click to the preview painted, and the whole process's peak resident memory)"
