#pragma once

#include "filters/core/CellFormulas.h"

#include <optional>
#include <string>
#include <string_view>

namespace ombrana {

// What one press of "CALCOLA" in a filter window leads to.
struct EsitoFiltro {
    enum class Azione {
        SvuotaRisultati,  // both results emptied, nothing else
        Allarme,          // frequency above 300 MHz: the window's alert
        MostraRisultati,  // c1 and l1 hold the texts to show
    };
    Azione azione;
    std::string c1;
    std::string l1;
    std::optional<ComputedCell> cella = {};  // what the results show, as numbers
};

inline constexpr double kFrequenzaMassimaMHz = 300.0;

// The steps of "CALCOLA" on the two field texts, in their order: an
// unreadable frequency or an empty impedance empties the results (even
// above 300 MHz), then the 300 MHz check, then the impedance check, then
// the cell.
EsitoFiltro calcolaFiltro(TipoCella tipo, std::string_view frequenza, std::string_view impedenza);

}  // namespace ombrana
