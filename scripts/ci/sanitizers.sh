#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer, UndefinedBehaviorSanitizer
# and LeakSanitizer into build-asan/ and runs every test under them on the
# offscreen platform. Any report stops the test that made it, so it fails.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/install-deps.sh

BUILD=build-asan
[[ -f $BUILD/build.ninja ]] ||
  cmake -S . -B $BUILD -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOMBRANA_SANITIZE=ON
cmake --build $BUILD -j"$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# Leaks inside system libraries that the project cannot free are listed
# there; project code is never.
export LSAN_OPTIONS=suppressions=$PWD/scripts/ci/lsan.supp:print_suppressions=0
export QT_QPA_PLATFORM=offscreen
ctest --test-dir $BUILD --output-on-failure -j"$(nproc)" --timeout 900
