#!/usr/bin/env bash
# The real program ended by SIGTERM, SIGHUP or SIGINT, as a desktop session or a shell
# ends it: it runs the close steps, as closing its window does, and exits cleanly.
# The store starts with two fields of two rows in version 1.0's INI layout; the start
# moves them into the log's database, and a clean close leaves no write-ahead log beside
# it. Usage: check_signals.sh <brindlewick>
set -uo pipefail
# Job control, so the program started in the background does not ignore SIGINT.
set -m
program="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen TMPDIR="$work/tmp" XDG_CONFIG_HOME="$work/config"
ini="$XDG_CONFIG_HOME/Varnholt/Brindlewick.ini"
# The log's database beside the INI file, read with the sqlite3 shell.
db="$XDG_CONFIG_HOME/Varnholt/Brindlewick.sqlite"
kept() {
  sqlite3 "$db" "SELECT group_concat(starting_location || '/' || mileage, ',')
                 FROM (SELECT * FROM trips ORDER BY sort_key)" 2>&1
}
passed=0
failed=0

# Ready once the process is the program (not the shell or nohup before it) and catches
# SIGTERM (bit 15 of the caught-signal mask).
wait_until_ready() {
  local mask
  for _ in $(seq 200); do
    [ "$(readlink "/proc/$1/exe")" = "$(readlink -f "$program")" ] || { sleep 0.1; continue; }
    mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$1/status" 2>/dev/null)
    [ -n "$mask" ] && (( (16#$mask >> 14) & 1 )) && return 0
    sleep 0.1
  done
  echo "the program did not start"
  return 1
}

for signal in TERM HUP INT; do
  rm -rf "$TMPDIR" "$XDG_CONFIG_HOME"
  mkdir -p "$TMPDIR" "$(dirname "$ini")"
  printf '[General]\nRowCount=2\nRowSource2%%201=Depot\nRowSource2%%202=Harbour\n' >"$ini"
  "$program" >"$work/out" 2>&1 &
  pid=$!
  wait_until_ready "$pid"
  kill -"$signal" "$pid"
  wait "$pid"
  status=$?
  if [ "$status" -eq 0 ] && [ "$(kept)" = "Depot/0.0,Harbour/0.0" ] && [ ! -e "$db-wal" ] \
    && [ -z "$(find "$TMPDIR" -type f)" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: SIG$signal: exit status $status"
    kept
    cat "$ini" "$work/out"
  fi
done

# A signal ignored when the program starts (nohup) stays ignored.
nohup "$program" >"$work/out" 2>&1 &
pid=$!
wait_until_ready "$pid"
kill -HUP "$pid"
sleep 1
if kill -0 "$pid" 2>/dev/null; then
  passed=$((passed + 1))
  kill -TERM "$pid"
  wait "$pid"
else
  failed=$((failed + 1))
  echo "FAIL: a program started by nohup ended on SIGHUP"
fi

echo "signals: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
