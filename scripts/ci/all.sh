#!/usr/bin/env bash
# Every CI check beyond ./test.sh, one after the other, each timed: the format,
# the sanitizer build and tests, the fuzzers, the window tests on Xvfb and the
# real printing test, the Debian package. Stops at the first that fails.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/ci/install-ci-deps.sh
for check in format sanitizers fuzz xvfb printing package; do
  start=$(date +%s)
  echo "===== $check"
  scripts/ci/$check.sh
  echo "===== $check passed in $(($(date +%s) - start)) s"
done
