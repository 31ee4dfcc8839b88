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
    TipoCella tipo;
    const char* heading;
    const char* cellName;  // for the title bar
};

const VerificaVariant& verificaVariant(TipoCella tipo);

WindowDesign verificaDesign(const VerificaVariant& v);

// The window's controls: the heading, the cell frame, the inputs' frame and
// the grid of figures.
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
inline const QString kWindingExact = QStringLiteral("Nessuno: L1 esatta");
inline const QString kWindingAirCoil = QStringLiteral("Bobina in aria");
inline const QString kNoBand = QStringLiteral("Nessuna");

}  // namespace ombrana
