#!/usr/bin/env bash
# Configures the build folder of a preset of CMakePresets.json the first time
# (release: build/, sanitizers: build-asan/, fuzz: build-fuzz/; release unless
# named). Once configured, the build itself notices a changed CMakeLists.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-release}
cmake --build --preset "$preset" --target help >/dev/null 2>&1 || cmake --preset "$preset"
