#!/usr/bin/env bash
# Real printing: starts CUPS with the cups-pdf virtual printer as the default
# printer, presses "Stampa" in a filter window and in its verification
# window, and checks the PDFs that arrive (tests/hardening/tst_printing.cpp);
# then stops CUPS and checks that "Stampa" does nothing. When a CUPS server
# was already running it is used and left running, and the second half is
# skipped.
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/install-deps.sh
scripts/ci/install-ci-deps.sh
scripts/build.sh --target tst_printing
TEST=build/tests/hardening/tst_printing
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/ombrana-test-runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

scheduler_running() { lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }

cupsd_pid=""
stop_cupsd() {
  if [[ -n $cupsd_pid ]]; then
    kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
    cupsd_pid=""
  fi
}
trap stop_cupsd EXIT

if ! scheduler_running; then
  cupsd -f &
  cupsd_pid=$!
  for _ in $(seq 60); do scheduler_running && break; sleep 0.5; done
fi
scheduler_running || { echo "CUPS did not start"; exit 1; }

lpstat -p PDF >/dev/null 2>&1 ||
  lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>&1 | grep -v 'deprecated' || true
lpadmin -d PDF
lpstat -d

# cups-pdf writes to the owner's ~/PDF, or to its folder for anonymous jobs.
out=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf | head -n1)
out=${out:-'${HOME}/PDF'}
out=${out//'${HOME}'/$HOME}
anon=$(sed -n 's/^AnonDirName[[:space:]]\+//p' /etc/cups/cups-pdf.conf | head -n1)
anon=${anon:-/var/spool/cups-pdf/ANONYMOUS}

OMBRANA_PRINT_OUTPUT_DIR="$out:$anon" $TEST printsThePageOnThePdfPrinter printsTheBuildSheetOnThePdfPrinter | tee build/tst_printing.pdf.log
grep -q '^PASS   : TestPrinting::printsThePageOnThePdfPrinter()' build/tst_printing.pdf.log
grep -q '^PASS   : TestPrinting::printsTheBuildSheetOnThePdfPrinter()' build/tst_printing.pdf.log

if [[ -z $cupsd_pid ]]; then
  echo "CUPS was already running: the check without a printer is skipped"
  exit 0
fi
stop_cupsd
scheduler_running && { echo "CUPS still running"; exit 1; }
$TEST withoutPrinterNothingHappens | tee build/tst_printing.none.log
grep -q '^PASS   : TestPrinting::withoutPrinterNothingHappens()' build/tst_printing.none.log
echo "printing: 3 passed, 0 failed"
