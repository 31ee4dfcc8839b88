#!/usr/bin/env bash
# Installs what is missing, builds, and runs the benchmarks: one table with
# the program's figures beside those of a bare Qt Widgets program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/configure.sh release
cmake --build --preset bench -j"$(nproc)"
