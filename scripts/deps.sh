#!/usr/bin/env bash
# Installs what the build, the tests and the demo need on Debian 12. Safe to run repeatedly.
set -euo pipefail
PKGS=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql libqt6svg6-dev
  libgl-dev libxkbcommon-dev
  libboost-dev libcpp-httplib-dev libsimdjson-dev libxlsxwriter-dev libssl-dev zlib1g-dev
  xvfb xauth imagemagick fonts-dejavu-core fonts-liberation python3 python3-openpyxl curl
)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
