#!/usr/bin/env bash
# The brindlewick-report program as a script runs it: exit statuses, where messages go,
# no display needed, identical bytes from separate runs, nothing left in the temporary
# folder. Usage: check_cli.sh <brindlewick-report>
set -uo pipefail
tool="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export TMPDIR="$work/tmp"
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$TMPDIR" "$XDG_CONFIG_HOME"
passed=0
failed=0

check() { # description, then a command that must succeed
  local what="$1"
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $what"
  fi
}

status() { # expected status, then the tool's arguments; output in $work/out, $work/err
  local expected="$1"
  shift
  "$tool" "$@" >"$work/out" 2>"$work/err"
  local actual=$?
  [ "$actual" -eq "$expected" ] || { echo "status $actual, expected $expected for: $*"; cat "$work/err"; return 1; }
}

no_temporary_files() {
  [ -z "$(find "$TMPDIR" -type f)" ] || { find "$TMPDIR" -type f; return 1; }
}

# Without a display and without a platform chosen, the tool picks the offscreen one.
check "sample without a display" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
  "$tool" --sample --picture "$work/one.png" "$work/one.xls"
check "a workbook was written" test -s "$work/one.xls"
check "the picture is a PNG" bash -c "head -c 8 '$work/one.png' | od -An -tx1 | grep -q '89 50 4e 47 0d 0a 1a 0a'"
sleep 1
check "second run" env -u QT_QPA_PLATFORM "$tool" --sample "$work/two.xls"
check "two runs give identical bytes" cmp "$work/one.xls" "$work/two.xls"
check "temporary folder left clean" no_temporary_files
check "the store was not created" test ! -e "$XDG_CONFIG_HOME/Varnholt"

# The program's own store, as the desktop program keeps it.
mkdir -p "$XDG_CONFIG_HOME/Varnholt"
printf '[General]\nEmployeeName=Stored Person\nRowCount=1\nRowSource7%%201=7\n' >"$XDG_CONFIG_HOME/Varnholt/Brindlewick.ini"
check "report from the store" status 0 "$work/stored.xls"
check "stored report differs from the sample" bash -c "! cmp -s '$work/stored.xls' '$work/one.xls'"
check "stored name in the workbook" grep -q "Stored Person" "$work/stored.xls"

check "help" status 0 --help
check "help on standard output" grep -q "^Usage: " "$work/out"
check "no output file" status 2 --sample
check "usage on standard error" grep -q "^Usage: " "$work/err"
check "unknown option" status 2 --sampel "$work/x.xls"
check "bad picture suffix" status 2 --sample --picture "$work/x.gif" "$work/x.xls"

check "unwritable folder" status 1 --sample "$work/missing/x.xls"
check "the cause on standard error" grep -q "Cannot write" "$work/err"
check "nothing written on failure" test ! -e "$work/missing"
check "temporary folder clean after a failure" no_temporary_files

printf '[General]\nPeriodFrom=not a date\n' >"$work/bad.ini"
check "stored date that is no date" status 1 --settings "$work/bad.ini" "$work/bad.xls"
check "error report on standard error" grep -q "Type mismatch" "$work/err"
check "no workbook after an error report" test ! -e "$work/bad.xls"

# Several logs: --logs lists them, --log picks one by name or by file.
check "the logs of a store" status 0 --logs
check "none listed before a log exists" test ! -s "$work/out"
check "an unknown log" status 2 --log Lorry "$work/lorry.xls"
check "the unknown name said" grep -q "no log called Lorry" "$work/err"
printf 'not a log\n' >"$work/notes.sqlite"
check "a file that is no log" status 2 --log "$work/notes.sqlite" "$work/notes.xls"
check "the file is left as it was" grep -qx "not a log" "$work/notes.sqlite"
check "--logs takes no output" status 2 --logs "$work/x.xls"
check "--sample reads no log" status 2 --sample --log Van "$work/x.xls"

echo "brindlewick-report: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
