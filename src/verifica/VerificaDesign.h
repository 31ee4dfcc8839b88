#pragma once

#include "app/ControlTable.h"
#include "app/DesignedWindow.h"
#include "app/core/TipoCella.h"

#include <QString>

#include <vector>

namespace ombrana {

// What tells the four verification windows apart.
struct VerificaVariant {
    QString windowName;
    QString filterWindow;  // the filter window whose cell it verifies
    TipoCella cell;
    const char* heading;
    const char* cellName;  // for the title bar
};

const VerificaVariant& verificaVariant(TipoCella cell);

WindowDesign verificaDesign(const VerificaVariant& v);

// The window's controls: the heading and notice, the ladder's frame, the
// inputs' frame in three columns, the proposals, the grid of figures, the
// advice and the parts.
std::vector<design::Control> verificaControls(const VerificaVariant& v);

// The figures' grid: a caption and two read-outs per row.
inline constexpr const char* kFigureNames[5][3] = {
    {"cutoffCaption", "cutoffDesigned", "cutoffBuilt"},
    {"lossCaption", "lossDesigned", "lossBuilt"},
    {"swrCaption", "swrDesigned", "swrBuilt"},
    {"harmonic2Caption", "harmonic2Designed", "harmonic2Built"},
    {"harmonic3Caption", "harmonic3Designed", "harmonic3Built"},
};

// The first two entries of the winding list; the catalogue's cores follow.
inline const QString kWindingExact = QStringLiteral("Valori esatti");
inline const QString kWindingAirCoil = QStringLiteral("Bobina in aria");
inline const QString kNoBand = QStringLiteral("Nessuna");

// The element counts offered; the last lets the proposal choose.
inline const QStringList kElementChoices{QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("7"),
                                         QStringLiteral("9"), QStringLiteral("automatico")};
inline const QStringList kResponseChoices{QStringLiteral("Butterworth"), QStringLiteral("Chebyshev")};
inline const QStringList kSeriesChoices{QStringLiteral("E12"), QStringLiteral("E24")};

// The capacitor field's caption: a cell's capacitor is the one bought, a
// longer ladder's the outer one of its design.
inline const QString kCellCapacitorCaption = QStringLiteral("C1 acquistato  pF");
inline const QString kLadderCapacitorCaption = QStringLiteral("C1  pF");

}  // namespace ombrana
