#pragma once

#include "app/DesignedWindow.h"
#include "app/core/TipoCella.h"

#include <QString>

namespace ombrana {

// Everything in which the four filter windows differ: the cell, control
// names, captions, tool tips, the windows they lead to and two details of
// behaviour. Whether the cell is a low-pass follows from its TipoCella.
struct FilterVariant {
    QString windowName;
    TipoCella kind;
    QString title;
    int heightTwips;
    const char* alertName;  // the alert procedure's name

    // Control names that differ between the windows.
    const char* c1Result;
    const char* l1Result;
    const char* c1Caption;
    const char* l1Caption;
    const char* clearButton;  // CANCELLA
    const char* closeButton;  // CHIUDI

    // Captions and tool tips that differ.
    const char* heading;
    bool headingLeft = false;
    const char* frameCaption;
    const char* frequencyCaption;
    const char* impedanceCaption;
    const char* c1CaptionText;
    const char* airButton = "Costruzione   induttanza in aria";
    const char* impedanceTip = "Digitare l'impedenza della linea tx";
    const char* toroidTip = "Passa al calcolo di induttanza su Toroide";

    QString inductanceWindow;
    QString readmeWindow;
    bool closesCalculator = false;  // CHIUDI closes the calculator too
    bool closeBeforeClear = false;  // in the tab order
};

const FilterVariant& passaBassoPiGrecoVariant();
const FilterVariant& passaAltoPiGrecoVariant();
const FilterVariant& passaBassoTVariant();
const FilterVariant& passaAltoTVariant();

}  // namespace ombrana
