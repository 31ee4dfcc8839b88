#pragma once

// The print sink of the tests is in PrintJob.h, with the jobs.
#include "app/PrintJob.h"

#include <QPageLayout>
#include <QRectF>

class QPainter;
class QWidget;

namespace ombrana {

class DesignedWindow;

// "Stampa": prints the designed area of the window on the default printer,
// as large as the page allows. With no default printer, or when the printer
// refuses the job, nothing happens and nothing is said.
void printWindow(DesignedWindow* window);

// A page is turned to landscape for an area wider than tall.
QPageLayout::Orientation orientationFor(QSizeF area);

// Where the area goes inside the printable rectangle: as large as it fits
// with its proportions kept, centred.
QRectF placeOnPage(QSizeF area, const QRectF& printable);

// Paints the area, as the widgets draw themselves, into the target
// rectangle of the painter's device.
void paintArea(QWidget* area, QPainter& painter, const QRectF& target);

}  // namespace ombrana
