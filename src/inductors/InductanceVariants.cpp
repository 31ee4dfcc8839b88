#include "inductors/InductanceVariants.h"

#include "app/DesignLook.h"
#include "app/WindowNames.h"
#include "inductors/core/InductanceCalculation.h"

namespace ombrana {

const InductanceVariant& varianteInduttanza() {
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
        .cancella = "Command3",
        .cancellaTip = "Cancella le input",
        .chiudi = "Command2",
    };
    return v;
}

const InductanceVariant& varianteInduttanza2() {
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
        .cancella = "Command2",
        .cancellaTip = "Cancella tutte le input",
        .chiudi = "Command3",
    };
    return v;
}

}  // namespace ombrana
