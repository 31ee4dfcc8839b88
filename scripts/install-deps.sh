#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, and any
# further packages named as arguments. Returns at once when everything is
# already there.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build ccache
  libboost-dev qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev
  fontconfig fonts-liberation fonts-comic-neue
  "$@"
)

missing=()
for p in "${PACKAGES[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
SUDO=()
[[ $(id -u) -eq 0 ]] || SUDO=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -qq
"${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
