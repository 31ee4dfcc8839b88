#pragma once

#include "verifica/core/Verification.h"

#include <optional>

namespace ombrana::test {

// The cell the verification tests build: a 7 MHz cell of the kind at
// 50 ohms, as the filter window shows it (C1 454,7 pF, L1 2,27 µH), with
// 430 pF bought and the coil wound on T50/2, for 100 W into a load of
// SWR 2.
inline VerificationInput sevenMegahertzCell(TipoCella kind, std::optional<double> operatingMHz) {
    return {.kind = kind,
            .cutoffMHz = 7,
            .impedanceOhm = 50,
            .shown = {.c1Pf = 454.7, .l1uH = 2.27},
            .operatingMHz = operatingMHz,
            .builtCapacitorPf = 430,
            .winding = {.kind = WindingChoice::Kind::Toroid, .core = "T50/2"},
            .powerW = 100,
            .loadSwr = 2};
}

}  // namespace ombrana::test
