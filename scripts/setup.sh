#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test the program.
set -euo pipefail
packages=(build-essential cmake qt6-base-dev qt6-svg-dev fonts-liberation2 fonts-wine desktop-file-utils appstream file)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
