#include "app/WindowPrinter.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace ombrana {
namespace {
std::function<void(const QImage&)> g_sink;
}

void setPrintSinkForTests(std::function<void(const QImage&)> sink) {
    g_sink = std::move(sink);
}

bool stampaImmagine(const QImage& image, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(page.topLeft(), size), image);
    return painter.end();
}

void stampaFinestra(QWidget* window) {
    if (!window) return;
    const QImage image = window->grab().toImage();
    if (g_sink) {
        g_sink(image);
        return;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(window->windowTitle().simplified());
    stampaImmagine(image, printer);  // a refused job is not reported
}

}  // namespace ombrana
