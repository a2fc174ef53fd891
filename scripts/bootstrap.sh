#!/usr/bin/env bash
# Installs whatever a fresh Debian 12 machine lacks for building, testing and running Tavolin.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libgl-dev qt6-translations-l10n
  qt6-tools-dev qt6-l10n-tools
  libgtest-dev
  xvfb xauth fonts-dejavu-core poppler-utils
  openbox xdotool xclip x11-utils imagemagick
  dpkg-dev desktop-file-utils appstream man-db
  ser2net
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
