#pragma once

#include "app/CellDrawing.h"
#include "verifica/ResponsePlot.h"

#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QPainter;

namespace ombrana {

// Everything on the one A4 page the builder takes to the bench.
struct BuildSheet {
    QString title;
    TipoCella cell;
    QString builtC1;  // the values as built, written on the drawing
    QString builtL1;
    QStringList design;  // F, Z and the operating frequency
    QStringList parts;   // capacitors and the inductor
    QStringList table;   // one line per figure: caption, designed, built
    PlotData plot;
};

// One painter for the printer and the PDF alike: the page is drawn in the
// painter's device coordinates, within rect.
void paintBuildSheet(QPainter& painter, const QRectF& rect, const BuildSheet& sheet);

// Paints the sheet on one page of the device. False when it cannot begin.
bool printBuildSheet(QPagedPaintDevice& device, const BuildSheet& sheet);

// Writes the sheet as a one-page A4 PDF. The file appears whole or not at
// all; on failure the reason is in error.
bool writeBuildSheetPdf(const QString& path, const BuildSheet& sheet, QString* error);

}  // namespace ombrana
