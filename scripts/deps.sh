#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the screenshots need,
# only when one is missing. Runs as root or through sudo.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  fonts-liberation2 libgtest-dev libgmock-dev librapidcheck-dev libbenchmark-dev nlohmann-json3-dev libcli11-dev
  libxlsxwriter-dev python3-openpyxl unzip
  fonts-dejavu-core poppler-utils
  xvfb xauth openbox xdotool imagemagick
  desktop-file-utils appstream libxml2-utils dpkg-dev
  clang libclang-rt-14-dev clang-format clang-tidy
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
