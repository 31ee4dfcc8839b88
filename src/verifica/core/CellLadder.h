#pragma once

#include "filters/core/CellFormulas.h"
#include "verifica/core/Ladder.h"

#include <optional>

namespace ombrana {

// The values a cell is built with: one C1 and one L1 for the whole cell.
struct CellValues {
    double c1Pf;
    double l1uH;
    std::optional<double> inductorQ = {};  // none: lossless coils
};

// The cell as a ladder, elements from input to output as the cell table of
// the formulas lists them.
Ladder cellLadder(TipoCella tipo, CellValues values, double impedanceOhm);

inline PassBand passBandOf(TipoCella tipo) {
    return passaBasso(tipo) ? PassBand::Low : PassBand::High;
}

}  // namespace ombrana
