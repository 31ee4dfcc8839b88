#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer, UndefinedBehaviorSanitizer
# and LeakSanitizer into build-asan/ and runs every test under them on the
# offscreen platform. Any report stops the test that made it, so it fails.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/install-deps.sh

scripts/build.sh sanitizers

# The test preset stops at the first report and suppresses only the leaks
# inside system libraries listed in scripts/ci/lsan.supp; project code is
# never there.
ctest --preset sanitizers -j"$(nproc)"
