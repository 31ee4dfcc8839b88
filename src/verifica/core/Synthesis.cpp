#include "verifica/core/Synthesis.h"

#include "verifica/core/LadderMaths.h"

namespace ombrana {

std::optional<Ladder> synthesize(TipoCella kind, std::span<const double> g, double cutoffMHz, double impedanceOhm) {
    if (!positive(cutoffMHz) || !positive(impedanceOhm)) return std::nullopt;
    Ladder ladder{.elements = ladderShape(kind, int(g.size())), .impedanceOhm = impedanceOhm};
    if (ladder.elements.empty()) return std::nullopt;
    const double w = omega(cutoffMHz);
    const double z = impedanceOhm;
    const bool low = passaBasso(kind);
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

}  // namespace ombrana
