#!/usr/bin/env bash
# Installs the Debian 12 packages Velmora needs to build, test and run,
# skipping those already present. Runs apt-get as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libboost-dev libgtest-dev libgmock-dev libbenchmark-dev libicu-dev
  qt6-base-dev qt6-qpa-plugins qt6-svg-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-ancient-scripts fonts-noto-core fonts-ipafont-gothic
  xvfb xauth xdotool clang-format
  desktop-file-utils appstream libxml2-utils help2man man-db
  tidy chromium poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "Missing packages: ${missing[*]}; run this script as root or install sudo." >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
