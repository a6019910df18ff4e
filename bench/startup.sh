#!/usr/bin/env bash
# The desktop program's start-up with a long stored log, as a user waits for it: whole
# processes of bench/startup_probe (the program's start, ended at the main window's
# first paint), with no store, with 10,000 trips and with the most trips a log holds,
# then 10,000 trips still in version 1.0's single INI file (the first start after an
# upgrade). Prints the median wall time and peak memory (resident set) of each.
# Usage: bench/startup.sh [build-folder]   (RUNS, default 5)
set -euo pipefail
build="${1:-build/test}"
probe="$build/bench/startup_probe"
runs="${RUNS:-5}"
. "$(dirname "$0")/storedlog.sh"
start_timing "$probe"

# The store lives where the program looks for it; the first start moves its rows into
# the log's database, which every later start reads.
export XDG_CONFIG_HOME="$work/config"
store="$XDG_CONFIG_HOME/Varnholt/Brindlewick"
mkdir -p "$(dirname "$store")"

row() {
  read -r us kib < <(measure "$runs" "$probe")
  awk -v what="$1" -v o="$us" -v om="$kib" 'BEGIN { printf "%-34s %10.1f %10.1f\n", what, o / 1000, om / 1024 }'
}

printf '%-34s %10s %10s\n' "stored log" ms MiB
row "none"
write_stored_log 10000 "$store"
row "10,000 trips"
write_stored_log 65527 "$store"
row "65,527 trips (the limit)"
write_old_ini 10000 "$store"
row "10,000 trips, version 1.0's INI"
echo "(medians of $runs runs: wall time and peak resident memory, start to the main window painted)"
