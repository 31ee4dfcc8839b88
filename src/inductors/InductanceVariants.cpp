#include "inductors/InductanceVariants.h"

#include "app/DesignLook.h"
#include "app/WindowNames.h"
#include "inductors/core/InductanceCalculation.h"

namespace ombrana {

const InductanceVariant& induttanzaVariant() {
    static const InductanceVariant v{
        .windowName = nomi::induttanza,
        .k = kCostanteInduttanza,
        .ground = design::kLightCyan,
        .border = WindowDesign::Border::Sizable,
        .leftTwips = 60,
        .topTwips = 2145,
        .alertName = "errore10",
        .capacitanceTip = "Inserire la capacit\u00e0 standard in picofarad",
        .frequencyCaption = "Input  MHz",
        .banner = "MAX  300 MHz",
        .clearButton = "Command3",
        .clearTip = "Cancella le input",
        .closeButton = "Command2",
    };
    return v;
}

const InductanceVariant& induttanza2Variant() {
    static const InductanceVariant v{
        .windowName = nomi::induttanza2,
        .k = kCostanteInduttanza2,
        .ground = design::kPaleCyan,
        .border = WindowDesign::Border::Fixed,
        .leftTwips = 45,
        .topTwips = 2130,
        .alertName = "errore11",
        .capacitanceTip = "Inserire capacit\u00e0 standard",
        .frequencyCaption = "Input MHz",
        .banner = "MAX  300  MHz",
        .clearButton = "Command2",
        .clearTip = "Cancella tutte le input",
        .closeButton = "Command3",
    };
    return v;
}

}  // namespace ombrana
