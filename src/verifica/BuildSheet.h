#pragma once

#include "app/PrintJob.h"
#include "app/core/Ladder.h"
#include "verifica/ResponsePlot.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPainter;

namespace ombrana {

// Everything on the one A4 page the builder takes to the bench.
struct BuildSheet {
    // One kind of part: all the elements that carry its name.
    struct PartRow {
        QString name;    // "C1", "L2"
        QString count;   // how many to mount: "2"
        QString value;   // as built: "270 pF", "1,384 µH"
        QString making;  // how to get it: "E12", "T50/2: 22 spire, filo 0,80 mm"
        QString stress;  // what the power puts on it: "100 V picco (133 V con ROS 2), 300 V"
    };
    // One figure, as designed and as built.
    struct LossRow {
        QString caption;
        QString designed;
        QString built;
    };

    QString title;
    std::vector<LadderElement> shape;  // the ladder as built, input first; names by elementName()
    QString builtC1;                   // the capacitors as built, written under the drawing
    QString builtL1;                   // and the inductors
    QStringList design;                // what the figures come from: cut-off, Z, response, band,
                                       // operating frequency, coil Q, power, load SWR
    std::vector<PartRow> parts;
    QStringList notes;  // capacitor choices, warnings
    std::vector<LossRow> losses;
    PlotData plot;
};

// One painter for the printer and the PDF alike: the page is drawn in the
// painter's device coordinates, within rect (an A4 page less 15 mm on each
// side). Every text is wrapped to its column, and the text takes the largest
// size with which the whole sheet fits; nothing is painted outside rect.
void paintBuildSheet(QPainter& painter, const QRectF& rect, const BuildSheet& sheet);

// The job that prints a sheet on an upright A4 page, 15 mm from every edge
// of the paper and within what the device prints. The sheet is made only
// when a printer takes the job.
PrintJob buildSheetJob(const QString& docName, std::function<BuildSheet()> sheet);

// Writes the sheet as a one-page A4 PDF. The file appears whole or not at
// all; on failure the reason is in error.
bool writeBuildSheetPdf(const QString& path, const BuildSheet& sheet, QString* error);

}  // namespace ombrana
