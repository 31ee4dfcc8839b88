#!/usr/bin/env bash
# Installs what is missing, builds and starts Ombrana.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh --target ombrana
exec build/src/ombrana
