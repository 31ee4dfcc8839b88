#pragma once

#include "app/core/Ladder.h"
#include "app/core/TipoCella.h"

#include <optional>
#include <span>

namespace ombrana {

// A low-pass prototype scaled to a cut-off and an impedance, in the cell's
// topology continued to as many elements as the prototype has: a low-pass
// element of value g is g/(wZ) as a capacitor and gZ/w as an inductor; the
// high-pass transformation makes them 1/(gwZ) and Z/(gw). Nothing for a
// prototype of a length no ladder has, or a cut-off or an impedance that is
// not positive.
std::optional<Ladder> synthesize(TipoCella kind, std::span<const double> g, double cutoffMHz, double impedanceOhm);

}  // namespace ombrana
