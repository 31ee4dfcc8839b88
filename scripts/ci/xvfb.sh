#!/usr/bin/env bash
# Runs the window tests again on a real X server: Xvfb with the xcb platform,
# so that focus, maximising, key preview and modality meet a real window
# system. Then the tests that scaling touches, with a window manager, at 150 %
# and 200 % (scripts/ci/scaled-tests.sh). Uses the ordinary build in build/.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/install-deps.sh
scripts/ci/install-ci-deps.sh
scripts/build.sh
xvfb-run -a -s "-screen 0 1024x768x24" scripts/ci/window-tests.sh build xcb
# Scaled, under a window manager, on a common screen and on a netbook's.
for screen in 1024x768 1024x600; do
  xvfb-run -a -s "-screen 0 ${screen}x24" scripts/ci/scaled-tests.sh build
done
