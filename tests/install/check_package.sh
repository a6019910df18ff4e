#!/usr/bin/env bash
# The Debian package made by CPack: its control fields and its contents.
# Usage: check_package.sh <build folder>
set -uo pipefail
build="$1"
source "$(dirname "$0")/checks.sh"

check "cpack makes the package" cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out"
deb=$(ls "$work"/out/brindlewick_*.deb 2>/dev/null | head -n 1)
check "one .deb named by package, version and architecture" test -n "$deb"
field() { dpkg-deb -f "$deb" "$1"; }
check "package name" test "$(field Package)" = brindlewick
check "version" test "$(field Version)" = "$(grep -oP 'CPACK_PACKAGE_VERSION "\K[^"]+' "$build/CPackConfig.cmake")"
check "maintainer" bash -c "dpkg-deb -f '$deb' Maintainer | grep -q '<support@brindlewick.example>'"
check "section" test "$(field Section)" = misc
check "description" bash -c "dpkg-deb -f '$deb' Description | grep -q 'reimbursement form'"
for dep in 'libqt6widgets6' 'libgsf-1-114' 'libxlsxwriter4' 'libsqlite3-0' 'fonts-liberation' 'libqt6svg6' 'qt6-translations-l10n' 'libc6'; do
  check "depends on $dep" bash -c "dpkg-deb -f '$deb' Depends | grep -q '$dep'"
done
expected="./usr/bin/brindlewick
./usr/bin/brindlewick-report
./usr/share/applications/$id.desktop
./usr/share/icons/hicolor/256x256/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/man/man1/brindlewick-report.1
./usr/share/metainfo/$id.metainfo.xml"
check "contents" diff <(echo "$expected") <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)

summary package
