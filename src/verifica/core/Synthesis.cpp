#include "verifica/core/Synthesis.h"

#include <cmath>
#include <numbers>

namespace ombrana {
namespace {

bool positive(double x) {
    return std::isfinite(x) && x > 0;
}

// Angular frequency in rad/µs: with µH and pF the values stay near 1.
double omega(double mhz) {
    return 2 * std::numbers::pi * mhz;
}

}  // namespace

std::optional<Ladder> synthesize(TipoCella cell, std::span<const double> g, double cutoffMHz, double impedanceOhm) {
    if (!positive(cutoffMHz) || !positive(impedanceOhm)) return std::nullopt;
    Ladder ladder{.elements = ladderShape(cell, int(g.size())), .impedanceOhm = impedanceOhm};
    if (ladder.elements.empty()) return std::nullopt;
    const double w = omega(cutoffMHz);
    const double z = impedanceOhm;
    const bool low = passaBasso(cell);
    for (std::size_t i = 0; i < g.size(); ++i) {
        if (!positive(g[i])) return std::nullopt;
        LadderElement& e = ladder.elements[i];
        if (e.part == LadderElement::Part::Capacitor)
            e.value = (low ? g[i] / (w * z) : 1 / (g[i] * w * z)) * 1e6;  // pF
        else
            e.value = low ? g[i] * z / w : z / (g[i] * w);  // µH
    }
    return ladder;
}

double prototypeValueOf(TipoCella cell, const LadderElement& e, double cutoffMHz, double impedanceOhm) {
    const double w = omega(cutoffMHz);
    const double z = impedanceOhm;
    const bool low = passaBasso(cell);
    if (e.part == LadderElement::Part::Capacitor) {
        const double farads = e.value * 1e-6;  // in the µs, µH scale: pF x 1e-6
        return low ? farads * w * z : 1 / (farads * w * z);
    }
    return low ? e.value * w / z : z / (e.value * w);
}

}  // namespace ombrana
