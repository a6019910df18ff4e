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
)

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

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
