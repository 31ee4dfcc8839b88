#!/usr/bin/env bash
# Runs every window test of a build (the test programs that link Qt Widgets)
# directly on the given Qt platform: window-tests.sh <build folder> <platform>.
# ctest would force the offscreen platform on them.
set -uo pipefail
BUILD=$(cd "${1:?build folder}" && pwd)
PLATFORM=${2:?Qt platform}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/ombrana-test-runtime}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

mapfile -t programs < <(ctest --test-dir "$BUILD" -N -V | sed -n 's/^[0-9]*: Test command: //p' | awk '{print $1}')
passed=0
failed=()
for exe in "${programs[@]}"; do
  readelf -d "$exe" 2>/dev/null | grep -q 'libQt6Widgets' || continue
  name=$(basename "$exe")
  if (cd "$(dirname "$exe")" && timeout 900 "$exe" -platform "$PLATFORM" >"$BUILD/$name.$PLATFORM.log" 2>&1); then
    passed=$((passed + 1))
    echo "passed: $name ($(grep -m1 '^Totals' "$BUILD/$name.$PLATFORM.log"))"
  else
    failed+=("$name")
    echo "FAILED: $name"
    grep -E '^(FAIL|XPASS)|Loc:|Totals|ERROR|Sanitizer' "$BUILD/$name.$PLATFORM.log" | head -n 40
  fi
done
echo "$PLATFORM window tests: $passed passed, ${#failed[@]} failed"
[[ $passed -gt 0 && ${#failed[@]} -eq 0 ]]
