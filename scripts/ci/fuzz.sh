#!/usr/bin/env bash
# Builds the libFuzzer harnesses of the core libraries with clang into
# build-fuzz/, replays each committed seed corpus, then fuzzes each harness
# for OMBRANA_FUZZ_SECONDS seconds (20 by default). New inputs go to
# build-fuzz/fuzz-work/<name>/, a failing input to build-fuzz/fuzz-artifacts/.
# Run one harness alone with: scripts/ci/fuzz.sh fuzz_numbertext
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/install-deps.sh
scripts/ci/install-ci-deps.sh

BUILD=build-fuzz
SECONDS_EACH=${OMBRANA_FUZZ_SECONDS:-20}
scripts/build.sh fuzz

if [[ $# -gt 0 ]]; then
  names=("$@")
else
  names=()
  for src in fuzz/fuzz_*.cpp; do
    name=$(basename "$src" .cpp)
    if [[ -x $BUILD/fuzz/$name ]]; then names+=("$name"); else echo "not in this build: $name"; fi
  done
fi

ctest --preset fuzz

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
mkdir -p $BUILD/fuzz-artifacts
failed=()
for name in "${names[@]}"; do
  echo "== $name: ${SECONDS_EACH}s"
  mkdir -p $BUILD/fuzz-work/$name
  if ! $BUILD/fuzz/$name -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
      -print_final_stats=1 -artifact_prefix=$BUILD/fuzz-artifacts/$name- \
      $BUILD/fuzz-work/$name fuzz/corpus/$name 2>$BUILD/fuzz-work/$name.log; then
    failed+=("$name")
    tail -n 40 $BUILD/fuzz-work/$name.log
    echo "Reproduce with: $BUILD/fuzz/$name <input from $BUILD/fuzz-artifacts/>"
  else
    grep -E '^stat::number_of_executed_units|^Done' $BUILD/fuzz-work/$name.log || true
  fi
done

echo "fuzz: $((${#names[@]} - ${#failed[@]})) passed, ${#failed[@]} failed"
[[ ${#failed[@]} -eq 0 ]]
