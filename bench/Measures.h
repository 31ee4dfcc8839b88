#pragma once

#include <QString>
#include <QTextStream>

namespace ombrana::bench {

// The measures taken inside one process. Each runs in a child of the
// driver, so that one does not inherit another's memory, and writes its
// results to out as "key<TAB>value" lines.

// Create, show and first paint of the bare window and of every registered
// window (or of the one named by only), repeated; one median in
// milliseconds per window.
void measureOpening(int repetitions, const QString& only, QTextStream& out);

// Opens every registered window at once and keeps them until painted.
void openEverything(QTextStream& out);

// Resident memory after the first and after the last of a number of cycles
// that open, paint and close every registered window (or the bare one, or
// only the one named by only), and its slope over the last half of them in
// KiB per cycle.
void measureCycles(int cycles, bool bare, const QString& only, QTextStream& out);

// Process CPU time over an input alert of a filter window (frequency above
// its limit), or over as long an idle wait with the bare window shown.
void measureAlert(int seconds, bool bare, QTextStream& out);

}  // namespace ombrana::bench
