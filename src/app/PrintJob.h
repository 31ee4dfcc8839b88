#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <functional>
#include <optional>

class QPagedPaintDevice;

namespace ombrana {

// A job for the default printer: its name in the queue, the sheet, and what
// draws on it.
struct PrintJob {
    QString docName;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    std::optional<QPageSize> pageSize = std::nullopt;    // the printer's own when empty
    std::function<bool(QPagedPaintDevice&)> paint = {};  // false when it cannot paint
};

// Prints the job on the default printer. False when there is no default
// printer, the printing module cannot be loaded, or the painting fails.
//
// Qt's printing library lives in a module of the program's own
// (ombrana_printer), loaded at the first job: the program starts without it.
bool printOnDefaultPrinter(const PrintJob& job);

}  // namespace ombrana
