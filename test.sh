#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test on the offscreen
# platform.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
ctest --preset release -j"$(nproc)"
