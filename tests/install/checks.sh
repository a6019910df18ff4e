# Shared by the install checks (sourced): a scratch folder removed on exit, the
# application id, and `check` counting what passed; `summary NAME` ends the script.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
id=example.brindlewick.Brindlewick
passed=0
failed=0

check() { # description, then a command that must succeed
  local what="$1"
  shift
  if "$@" >"$work/log" 2>&1; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $what"
    cat "$work/log"
  fi
}

summary() {
  echo "$1: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
