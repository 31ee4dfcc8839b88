#pragma once

#include "app/ControlTable.h"
#include "app/DesignedWindow.h"
#include "app/core/TipoCella.h"

#include <QString>

#include <array>
#include <vector>

namespace ombrana {

// What tells the four verification windows apart.
struct VerificationVariant {
    QString windowName;
    QString filterWindow;  // the filter window whose cell it verifies
    TipoCella kind;
    const char* heading;
    const char* cellName;  // for the title bar
};

const VerificationVariant& verificationVariant(TipoCella kind);

WindowDesign verificaDesign(const VerificationVariant& v);

// The window's controls: the heading and notice, the ladder's frame, the
// inputs' frame in three columns, the proposals, the grid of figures, the
// advice and the parts.
std::vector<design::Control> verificationControls(const VerificationVariant& v);

// The figures' grid: a caption and two read-outs per row.
inline constexpr std::array<std::array<const char*, 3>, 5> kFigureNames{{
    {"cutoffCaption", "cutoffDesigned", "cutoffBuilt"},
    {"lossCaption", "lossDesigned", "lossBuilt"},
    {"swrCaption", "swrDesigned", "swrBuilt"},
    {"harmonic2Caption", "harmonic2Designed", "harmonic2Built"},
    {"harmonic3Caption", "harmonic3Designed", "harmonic3Built"},
}};

// The capacitor field's caption: a cell's capacitor is the one bought, a
// longer ladder's the outer one of its design.
inline const QString kCellCapacitorCaption = QStringLiteral("C1 acquistato  pF");
inline const QString kLadderCapacitorCaption = QStringLiteral("C1  pF");

}  // namespace ombrana
