#!/usr/bin/env bash
# Runs the tests that scaling touches on the X server this shell runs under
# (xvfb-run, see scripts/ci/xvfb.sh), with a window manager, at the scales
# desktops use: 100 %, QT_SCALE_FACTOR 1.5 and 2, QT_SCREEN_SCALE_FACTORS 1.5
# and Xft.dpi 144 as a desktop's settings give it. A window manager decides
# the final size of a window; the tests check what it gave.
# scaled-tests.sh <build folder>
set -uo pipefail
BUILD=$(cd "${1:?build folder}" && pwd)
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/ombrana-test-runtime}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR

ready=$(mktemp -u)
openbox --startup "touch $ready" >/dev/null 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null; rm -f "$ready"' EXIT
for _ in $(seq 100); do [[ -e $ready ]] && break; sleep 0.1; done
[[ -e $ready ]] || { echo "openbox did not start"; exit 1; }

tests=(app/tst_scaledwindows app/tst_appwindows app/tst_desktop hardening/tst_realkeys)
failed=0
run() {  # run <label> <environment assignments...>
  local label=$1
  shift
  for t in "${tests[@]}"; do
    local log="$BUILD/$(basename "$t").scaled-$label.log"
    if (cd "$BUILD/tests/$(dirname "$t")" && env "$@" timeout 900 "./$(basename "$t")" -platform xcb >"$log" 2>&1); then
      echo "passed: $t at $label ($(grep -m1 '^Totals' "$log"))"
    else
      failed=$((failed + 1))
      echo "FAILED: $t at $label"
      grep -E '^(FAIL|XPASS)|Loc:|Totals' "$log" | head -n 20
    fi
  done
}

run 100 QT_SCALE_FACTOR=1
run 150 QT_SCALE_FACTOR=1.5
run 200 QT_SCALE_FACTOR=2
run screen-150 QT_SCREEN_SCALE_FACTORS=1.5
echo "Xft.dpi: 144" | xrdb -merge
run xft-144
xrdb -remove
echo "scaled tests: $failed failed"
[[ $failed -eq 0 ]]
