#!/usr/bin/env bash
# Installs what the CI checks need beyond ./test.sh on Debian 12: clang with
# the libFuzzer and sanitizer runtimes, an X server for the xcb platform, and
# CUPS with a virtual PDF printer and the PDF renderer. Returns at once when
# everything is already there.
set -euo pipefail

PACKAGES=(
  clang libclang-rt-14-dev llvm-14
  xvfb xauth
  cups cups-client printer-driver-cups-pdf poppler-utils
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
