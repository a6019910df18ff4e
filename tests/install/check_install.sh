#!/usr/bin/env bash
# The program installed as a desktop program: `cmake --install` into a temporary prefix
# gives the expected files, the desktop entry, metainfo and man page pass their
# validators, and the installed report tool runs from the prefix.
# Usage: check_install.sh <build folder>
set -uo pipefail
build="$1"
source "$(dirname "$0")/checks.sh"
prefix="$work/prefix"

check "cmake --install" cmake --install "$build" --prefix "$prefix"

expected="bin/brindlewick
bin/brindlewick-report
share/applications/$id.desktop
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/brindlewick-report.1
share/metainfo/$id.metainfo.xml"
check "the installed files, no more and no fewer" \
  diff <(echo "$expected") <(cd "$prefix" && find . -type f | sed 's#^\./##' | sort)

check "desktop entry" desktop-file-validate "$prefix/share/applications/$id.desktop"
check "metainfo" appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"
version=$("$prefix/bin/brindlewick-report" --version | awk '{print $2}')
check "metainfo names this version" grep -q "<release version=\"$version\"" \
  "$prefix/share/metainfo/$id.metainfo.xml"
man_clean() {
  local out
  out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$1" 2>&1 >/dev/null)
  [ -z "$out" ] || { echo "$out"; return 1; }
}
check "man page without warnings" man_clean "$prefix/share/man/man1/brindlewick-report.1"
options_named() {
  local out
  out=$(LC_ALL=C MANWIDTH=80 man -l "$1" 2>/dev/null)
  for o in sample settings trips picture help version; do
    grep -q -- "--$o" <<<"$out" || { echo "missing --$o"; return 1; }
  done
}
check "man page names every option" options_named "$prefix/share/man/man1/brindlewick-report.1"
check "icon is 256 pixels square" bash -c \
  "file '$prefix/share/icons/hicolor/256x256/apps/$id.png' | grep -q '256 x 256'"

export TMPDIR="$work/tmp" XDG_CONFIG_HOME="$work/config"
mkdir -p "$TMPDIR" "$XDG_CONFIG_HOME"
check "installed report tool makes the sample report" \
  env -u DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/brindlewick-report" --sample "$work/sample.xls"
check "its workbook is there" test -s "$work/sample.xls"

summary install
