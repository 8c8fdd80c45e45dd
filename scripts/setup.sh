#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, only those missing.
set -euo pipefail

packages=(
  g++ cmake make pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev
  fonts-liberation2 fonts-dejavu-core xdg-utils qt6-translations-l10n
)
# Tools the test suite uses: PDF text of what the program writes, the formatting check.
if [[ " $* " == *" --test "* ]]; then
  packages+=(poppler-utils clang-format)
fi
if [[ " $* " == *" --bench "* ]]; then
  packages+=(libbenchmark-dev)
fi
# The fuzz targets: clang with its libFuzzer and sanitizer runtimes.
if [[ " $* " == *" --fuzz "* ]]; then
  packages+=(clang libclang-rt-dev)
fi
# The office suite that opens the exported spreadsheets, for make test-office.
if [[ " $* " == *" --office "* ]]; then
  packages+=(libreoffice-calc-nogui)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installo i pacchetti mancanti: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
