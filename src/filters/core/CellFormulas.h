#pragma once

#include "app/core/TipoCella.h"

#include <optional>

namespace ombrana {

// Each cell has a fixed pair of rounded constants, used exactly as written:
// the values users have built filters from.
struct CostantiCella {
    double kl;  // multiplier of the inductance, µH
    double kc;  // numerator of the capacitance, pF
};

CostantiCella costantiCella(TipoCella tipo);

// L = (KL * Z) / F and C = KC / (F * Z), C1 truncated to one decimal, L1 to
// two. A zero or a
// product that leaves no finite result gives no cell at all, rather than a
// 0 that would read like a component value.
std::optional<Cella> calcolaCella(CostantiCella k, double frequenzaMHz, double impedenzaOhm);

}  // namespace ombrana
