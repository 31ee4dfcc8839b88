#pragma once

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>

#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPainter;

namespace ombrana {

// A job for the default printer: its name in the queue, the sheet, and what
// draws on it.
struct PrintJob {
    QString docName;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    std::optional<QPageSize> pageSize = std::nullopt;  // the printer's own when empty
    // Paints the one page with a painter already begun on the device: page
    // is the whole sheet of paper, printable the part the device reaches,
    // both in the painter's coordinates. A printer's origin is the corner of
    // what it prints, so the sheet starts above and left of it. A job
    // without it prints nothing.
    using Paint = std::function<void(QPainter& painter, const QRectF& page, const QRectF& printable)>;
    Paint paint = {};
};

// Prints the job on the default printer: the one way every window prints.
// False when there is no default printer, the printing module cannot be
// loaded, the job paints nothing or the printer cannot be painted on.
//
// Qt's printing library lives in a module of the program's own
// (ombrana_printer), loaded at the first job: the program starts without it.
bool printOnDefaultPrinter(const PrintJob& job);

// Paints the job on one page of a paged device (a printer, a PDF writer)
// with the sheet and the printable part of the device's page layout. False
// when the job paints nothing or the painter cannot begin.
bool paintJob(const PrintJob& job, QPagedPaintDevice& device);

// A printed page as tests receive it: the whole sheet as an image, at
// kSinkDpi, with what a printer with margins of kSinkMarginMm would print.
// The sheet is the job's size, or the tests' printer's own, US Letter: not
// the A4 a job may ask for.
struct PrintedPage {
    static constexpr double kSinkDpi = 96;
    static constexpr double kSinkMarginMm = 4;
    static constexpr QPageSize::PageSizeId kSinkOwnSize = QPageSize::Letter;

    QString docName;
    QImage image;
    QRectF printable;  // in the image's pixels
};

// Tests catch every print job here, painted on a page image, instead of
// sending it to a printer; an empty function ends that.
void setPrintSinkForTests(std::function<void(const PrintedPage&)> sink);

}  // namespace ombrana
