#!/usr/bin/env bash
# Installs the Debian packages the game needs, when some are missing.
# Quick and quiet when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-translations-l10n qt6-l10n-tools
  libsdl2-dev libsdl2-mixer-dev
  libgtest-dev libbenchmark-dev
  fonts-noto-cjk libfontconfig-dev
  xvfb xauth xdotool imagemagick sox time
  clang libclang-rt-14-dev clang-format
  dpkg-dev lintian desktop-file-utils appstream
)

missing=()
for package in "${packages[@]}"; do
  if ! grep -q "install ok installed" <<<"$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "These Debian packages are missing: ${missing[*]}"
  echo "Install them as root:  sudo apt-get install -y --no-install-recommends ${missing[*]}"
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
