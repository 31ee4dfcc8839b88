#pragma once

#include "app/DesignedWindow.h"

#include <QString>

namespace ombrana {

// Everything in which the two inductance windows differ: the constant of
// the formula, a few captions and tool tips, the frame, the ground colour,
// the design position and the names of the CANCELLA and CHIUDI buttons.
struct InductanceVariant {
    QString windowName;
    double k;
    int ground;  // 0xRRGGBB
    WindowDesign::Border border;
    int leftTwips;
    int topTwips;
    const char* alertName;
    const char* capacitanceTip;
    const char* frequencyCaption;
    const char* banner;
    const char* clearButton;  // CANCELLA
    const char* clearTip;
    const char* closeButton;  // CHIUDI
};

const InductanceVariant& induttanzaVariant();   // high-pass cells
const InductanceVariant& induttanza2Variant();  // low-pass cells

}  // namespace ombrana
