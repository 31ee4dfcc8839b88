#!/usr/bin/env bash
# Builds with a preset of CMakePresets.json, configuring its folder the first
# time: build.sh [preset] [cmake --build options]. The preset is release
# (build/, Release with debug info) unless named.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=release
if [[ $# -gt 0 && $1 != -* ]]; then
  preset=$1
  shift
fi
scripts/configure.sh "$preset"
cmake --build --preset "$preset" -j"$(nproc)" "$@"
