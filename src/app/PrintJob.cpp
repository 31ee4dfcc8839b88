#include "app/PrintJob.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QPagedPaintDevice>
#include <QPainter>

#include <memory>

namespace ombrana {
namespace {

std::function<void(const PrintedPage&)> g_sink;

// The module's entry: a printer for the default one, set up for the job,
// or none.
using PrinterEntry = QPagedPaintDevice* (*)(const PrintJob&);

// Where the module lies: in its folder of the installation, found from the
// program's own folder, or for a program run from the build tree in the
// build's folder.
PrinterEntry loadPrinterModule() {
    const QStringList folders{
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral(OMBRANA_MODULE_FROM_PROGRAM)),
        QStringLiteral(OMBRANA_MODULE_BUILD_DIR)};
    for (const QString& folder : folders) {
        const QString path = QDir(folder).absoluteFilePath(QStringLiteral(OMBRANA_PRINTER_MODULE));
        if (!QFileInfo::exists(path)) continue;
        QLibrary module(path);
        if (auto entry = reinterpret_cast<PrinterEntry>(module.resolve("ombrana_default_printer"))) return entry;
        qWarning("Stampa: %s", qPrintable(module.errorString()));
        return nullptr;
    }
    qWarning("Stampa: %s not found in %s", OMBRANA_PRINTER_MODULE, qPrintable(folders.join(QLatin1String(", "))));
    return nullptr;
}

// The sheet and its printable part in the coordinates of a painter whose
// origin is the printable part's corner, as on a printer.
struct Sheet {
    QRectF page;
    QRectF printable;
};

Sheet sheetOf(const QPageLayout& layout, int dpi) {
    const QRectF printed = layout.paintRectPixels(dpi);
    return {QRectF(layout.fullRectPixels(dpi)).translated(-printed.topLeft()), QRectF(QPointF(), printed.size())};
}

// The job painted on a page image for the tests' sink.
void paintForTests(const PrintJob& job) {
    const double margin = PrintedPage::kSinkMarginMm;
    const QPageLayout layout(job.pageSize.value_or(QPageSize(PrintedPage::kSinkOwnSize)), job.orientation,
                             QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
    const int dpi = qRound(PrintedPage::kSinkDpi);
    const QRect printed = layout.paintRectPixels(dpi);
    PrintedPage page{.docName = job.docName,
                     .image = QImage(layout.fullRectPixels(dpi).size(), QImage::Format_RGB32),
                     .printable = printed};
    page.image.fill(Qt::white);
    page.image.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.image.setDotsPerMeterY(qRound(dpi / 0.0254));
    const Sheet sheet = sheetOf(layout, dpi);
    QPainter painter(&page.image);
    painter.translate(printed.topLeft());
    job.paint(painter, sheet.page, sheet.printable);
    painter.end();
    g_sink(page);
}

}  // namespace

void setPrintSinkForTests(std::function<void(const PrintedPage&)> sink) {
    g_sink = std::move(sink);
}

bool paintJob(const PrintJob& job, QPagedPaintDevice& device) {
    if (!job.paint) return false;
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // The layout as the device prints it, once the job has begun.
    const Sheet sheet = sheetOf(device.pageLayout(), device.logicalDpiY());
    job.paint(painter, sheet.page, sheet.printable);
    return painter.end();
}

bool printOnDefaultPrinter(const PrintJob& job) {
    if (g_sink) {
        if (job.paint) paintForTests(job);
        return bool(job.paint);
    }
    static const PrinterEntry entry = loadPrinterModule();
    // A job without paint still sets up the printer, and sends it nothing.
    const std::unique_ptr<QPagedPaintDevice> printer(entry ? entry(job) : nullptr);
    return printer && paintJob(job, *printer);
}

}  // namespace ombrana
