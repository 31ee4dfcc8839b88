#include "app/WindowPrinter.h"

#include "app/DesignedWindow.h"
#include "app/PrintJob.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QWidget>

namespace ombrana {
namespace {
std::function<void(const QImage&)> g_sink;
}

void setPrintSinkForTests(std::function<void(const QImage&)> sink) {
    g_sink = std::move(sink);
}

QPageLayout::Orientation orientationFor(QSizeF area) {
    return area.width() > area.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QRectF placeOnPage(QSizeF area, const QRectF& printable) {
    if (area.isEmpty() || printable.isEmpty()) return {};
    const QSizeF size = area.scaled(printable.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(), size);
    target.moveCenter(printable.center());
    return target;
}

void paintArea(QWidget* area, QPainter& painter, const QRectF& target) {
    if (target.isEmpty()) return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / area->width(), target.height() / area->height());
    // Drawn by the widgets themselves at the device's scale: on a printer Qt
    // paints them into an image of the printer's resolution, not a screen
    // grab. The area's ground comes from the window around it.
    area->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.restore();
}

bool printArea(QWidget* area, QPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    paintArea(area, painter, placeOnPage(area->size(), painter.viewport()));
    return painter.end();
}

void printWindow(DesignedWindow* window) {
    if (!window) return;
    QWidget* area = window->area();
    if (g_sink) {
        g_sink(area->grab().toImage());
        return;
    }
    // A refused job is not reported.
    printOnDefaultPrinter({.docName = window->windowTitle().simplified(),
                           .orientation = orientationFor(area->size()),
                           .paint = [area](QPagedPaintDevice& printer) { return printArea(area, printer); }});
}

}  // namespace ombrana
