#include "verifica/core/CellLadder.h"

namespace ombrana {

Ladder cellLadder(TipoCella tipo, CellValues v, double impedanceOhm) {
    using Part = LadderElement::Part;
    using Placement = LadderElement::Placement;
    const auto capacitor = [&](Placement p) {
        return LadderElement{.part = Part::Capacitor, .placement = p, .value = v.c1Pf};
    };
    const auto inductor = [&](Placement p) {
        return LadderElement{.part = Part::Inductor, .placement = p, .value = v.l1uH, .q = v.inductorQ};
    };
    Ladder ladder{.elements = {}, .impedanceOhm = impedanceOhm};
    switch (tipo) {
        case TipoCella::PassaBassoPiGreco:
            ladder.elements = {capacitor(Placement::Shunt), inductor(Placement::Series), capacitor(Placement::Shunt)};
            break;
        case TipoCella::PassaAltoPiGreco:
            ladder.elements = {inductor(Placement::Shunt), capacitor(Placement::Series), inductor(Placement::Shunt)};
            break;
        case TipoCella::PassaBassoT:
            ladder.elements = {inductor(Placement::Series), capacitor(Placement::Shunt), inductor(Placement::Series)};
            break;
        case TipoCella::PassaAltoT:
            ladder.elements = {capacitor(Placement::Series), inductor(Placement::Shunt), capacitor(Placement::Series)};
            break;
    }
    return ladder;
}

}  // namespace ombrana
