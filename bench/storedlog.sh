# Shared by the timing scripts (sourced, not run): their start, stored logs as the
# program keeps them, and timing whole processes.

# Checks that each program named is there (a path: built; "soffice": installed), else
# names the one missing and the script and stops; then makes the work folder $work,
# removed at the exit, and runs Qt without a display unless told otherwise.
start_timing() {
  local name program
  name="$(basename "$0" .sh)"
  for program in "$@"; do
    if [ "$program" = soffice ]; then
      command -v soffice >/dev/null || { echo "$name: soffice is not installed" >&2; exit 1; }
    elif [ ! -x "$program" ]; then
      echo "$name: $program is not built" >&2
      exit 1
    fi
  done
  export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
}

# The program's store holding $1 trips: $2.ini with the employee entries and $2.trips
# with the trip rows, the layout of version 1.1. The program moves the rows into the log's
# database ($2.sqlite) at its first start; every later start reads the database.
write_stored_log() {
  rm -f "$2.sqlite" "$2.sqlite-wal" "$2.sqlite-shm" "$2.trips.imported" "$2.ini.imported"
  printf '[General]\nEmployeeName=Pat Doe\nEmployeeID=4711\nRatePerMile=0.575\n' > "$2.ini"
  awk -v n="$1" 'BEGIN {
    print "Brindlewick trips 1"; print "RowCount\t" n
    for (k = 1; k <= n; k++)
      printf "%d\t5/%d/2016\tStore %d\tMini mall\t%s\t%d\t%d\t2\t2.5\n", k, k % 28 + 1, k,
        (k % 3 == 0) ? "" : "Daily delivery", 58000 + 2 * k, 58002 + 2 * k
  }' > "$2.trips"
  # The trips file is the newer of the two, as after a close.
  touch "$2.trips"
}

# The same log in the single INI file of version 1.0 ($2.ini, no trips file): what the
# first start after upgrading reads.
write_old_ini() {
  rm -f "$2.trips" "$2.sqlite" "$2.sqlite-wal" "$2.sqlite-shm" "$2.trips.imported" "$2.ini.imported"
  awk -v n="$1" 'BEGIN {
    print "[General]"; print "EmployeeName=Pat Doe"; print "RowCount=" n
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
  }' > "$2.ini"
}

# The median of the numbers on standard input, with one decimal.
median() {
  sort -n | awk '{ t[NR] = $1 } END { printf "%.1f", (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2 }'
}

# Runs "${@:2}" $1 times; prints "median-microseconds median-peak-KiB" of the whole
# process. Needs $work.
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
  echo "$(printf '%s\n' "${times[@]}" | median) $(printf '%s\n' "${peaks[@]}" | median)"
}
