#!/usr/bin/env bash
# Installs the Debian packages the configurator needs to build, run and test.
# Non-interactive and idempotent: does nothing when everything is present.
set -euo pipefail
packages=(
  cmake g++ ninja-build pkg-config ccache
  qt6-base-dev libpugixml-dev libjpeg62-turbo-dev libcurl4-openssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libxml2-utils xvfb xauth xdotool fonts-dejavu-core python3
  libzip-dev libxlsxwriter-dev mdbtools mdbtools-dev python3-openpyxl python3-docx poppler-utils
  smitools snmp
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
