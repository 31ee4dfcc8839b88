#!/usr/bin/env bash
# Installs what the CI checks need beyond ./test.sh on Debian 12: clang with
# the libFuzzer and sanitizer runtimes, the circuit simulator that checks
# the ladder analysis, an X server for the xcb platform, xdotool to press
# real keys on it, a window manager and xrdb for the scaled runs, and CUPS
# with a virtual PDF printer and the PDF renderer. Returns at once when
# everything is already there.
set -euo pipefail

exec "$(dirname "$0")/../install-deps.sh" \
  clang clang-format libclang-rt-14-dev llvm-14 \
  ngspice \
  xvfb xauth xdotool openbox x11-xserver-utils \
  cups cups-client printer-driver-cups-pdf poppler-utils
