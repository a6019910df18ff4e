#!/usr/bin/env bash
# Installs the Debian 12 packages Brindlewick needs. Only missing packages are
# fetched, so a second run costs a dpkg query and nothing else.
#   install-deps.sh run    what building and running the program needs
#   install-deps.sh test   the above plus everything the tests and benchmarks use
set -euo pipefail

mode="${1:-test}"

run_pkgs=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev libgsf-1-dev zlib1g-dev libxlsxwriter-dev libsqlite3-dev
  libgeographiclib-dev rapidjson-dev
  qt6-tools-dev qt6-l10n-tools
  fonts-liberation
  libqt6svg6 qt6-translations-l10n
)
test_pkgs=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format-14
  sqlite3
  python3 python3-xlrd python3-xlwt python3-openpyxl
  libreoffice-calc-nogui poppler-utils
  faketime
  xvfb xauth
  desktop-file-utils appstream man-db dpkg-dev file
  locales
)
# The tests make the report under these, with the C library's locale set as on a user's
# desktop (its printf then writes a decimal comma in all but the first).
test_locales=(en_US de_DE fr_FR es_ES sv_SE)

pkgs=("${run_pkgs[@]}")
if [ "$mode" = "test" ]; then
  pkgs+=("${test_pkgs[@]}")
fi

missing=()
for p in "${pkgs[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ "$mode" = "test" ]; then
  # Debian's way: the locale named in /etc/locale.gen, then locale-gen builds them all.
  absent=()
  for l in "${test_locales[@]}"; do
    locale -a 2>/dev/null | grep -qix "$l.utf-\?8" || absent+=("$l")
  done
  if [ "${#absent[@]}" -gt 0 ]; then
    echo "Generating locales: ${absent[*]}"
    for l in "${absent[@]}"; do
      if grep -q "^# *$l.UTF-8 UTF-8" /etc/locale.gen; then
        $SUDO sed -i "s/^# *\($l.UTF-8 UTF-8\)/\1/" /etc/locale.gen
      elif ! grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen; then
        echo "$l.UTF-8 UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
      fi
    done
    $SUDO locale-gen
  fi
fi
