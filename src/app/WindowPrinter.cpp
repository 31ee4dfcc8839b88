#include "app/WindowPrinter.h"

#include "app/DesignedWindow.h"

#include <QPainter>
#include <QWidget>

namespace ombrana {

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

namespace {

// The area, on a page turned its way, in the middle of the printable part.
PrintJob windowJob(DesignedWindow* window) {
    QWidget* area = window->area();
    return {.docName = window->windowTitle().simplified(),
            .orientation = orientationFor(area->size()),
            .paint = [area](QPainter& painter, const QRectF&, const QRectF& printable) {
                paintArea(area, painter, placeOnPage(area->size(), printable));
            }};
}

}  // namespace

void printWindow(DesignedWindow* window) {
    // A refused job is not reported.
    if (window) printOnDefaultPrinter(windowJob(window));
}

}  // namespace ombrana
