#pragma once

#include "app/CellDrawing.h"
#include "filters/core/CellFormulas.h"
#include "app/DesignedWindow.h"

#include <QString>

namespace ombrana {

// Everything in which the four filter windows differ: the cell, control
// names, captions, tool tips, the windows they lead to and two details of
// behaviour.
struct FilterVariant {
    QString windowName;
    TipoCella tipo;
    CellLayout cell;
    bool passaBasso;
    QString title;
    int heightTwips;
    WindowDesign::Border border;
    const char* alertName;  // the alert procedure's name

    // Control names that differ between the windows.
    const char* c1Result;
    const char* l1Result;
    const char* c1Caption;
    const char* l1Caption;
    const char* cancella;
    const char* chiudi;

    // Captions and tool tips that differ.
    const char* heading;
    bool headingLeft;
    const char* frameCaption;
    const char* frequencyCaption;
    const char* impedanceCaption;
    const char* c1CaptionText;
    const char* airButton;
    const char* impedanceTip;
    const char* toroidTip;

    QString inductanceWindow;
    QString readmeWindow;
    bool chiudiClosesCalculator;
    bool chiudiBeforeCancella;  // in the tab order
};

const FilterVariant& variantePassaBassoPiGreco();
const FilterVariant& variantePassaAltoPiGreco();
const FilterVariant& variantePassaBassoT();
const FilterVariant& variantePassaAltoT();

}  // namespace ombrana
