#include "verifica/core/StandardDesign.h"

#include "verifica/core/LadderMaths.h"
#include "verifica/core/Prototype.h"
#include "verifica/core/Synthesis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ombrana {
namespace {

// The walk along the ripple: from almost none to 3 dB.
constexpr double kLeastEpsilon = 1e-8;

// The prototype's g of the inner capacitor over the outer one's: it falls
// steadily as the ripple grows. A low-pass capacitor is proportional to its
// g, a high-pass one to 1/g.
double gRatio(int elements, double epsilon, std::size_t outer, std::size_t inner) {
    const std::vector<double> g = chebyshevPrototypeOfEpsilon(elements, epsilon);
    return g[inner] / g[outer];
}

}  // namespace

std::optional<RatioRange> capacitorRatioRange(TipoCella kind, int elements) {
    const std::vector<std::size_t> distinct = distinctCapacitors(kind, elements);
    if (distinct.size() < 2) return std::nullopt;
    const double most = gRatio(elements, kLeastEpsilon, distinct[0], distinct[1]);
    const double least = gRatio(elements, kLargestEpsilon, distinct[0], distinct[1]);
    if (passaBasso(kind)) return RatioRange{.least = least, .most = most};
    return RatioRange{.least = 1 / most, .most = 1 / least};
}

std::vector<std::size_t> distinctCapacitors(TipoCella kind, int elements) {
    const std::vector<LadderElement> shape = ladderShape(kind, elements);
    std::vector<std::size_t> firsts;
    for (std::size_t i = 0; i < (shape.size() + 1) / 2; ++i)
        if (shape[i].part == LadderElement::Part::Capacitor) firsts.push_back(i);
    return firsts;
}

namespace {

// The ripple factor that the capacitors give: the one the SWR limit
// allows with one distinct capacitor, the one their ratio fixes with two
// or more.
std::optional<double> epsilonOf(TipoCella kind, int elements, const std::vector<double>& capacitorsPf, double rippleSwr,
                                ChebyshevSolution& out) {
    const std::vector<std::size_t> distinct = distinctCapacitors(kind, elements);
    if (distinct.size() == 1) {
        const double epsilon = epsilonOfSwr(rippleSwr);
        if (positive(epsilon) && epsilon <= kLargestEpsilon) return epsilon;
        out.failure = ChebyshevSolution::Failure::NoRipple;
        return std::nullopt;
    }
    const RatioRange range = *capacitorRatioRange(kind, elements);
    const double ratio = capacitorsPf[1] / capacitorsPf[0];
    if (!(ratio < range.most && ratio > range.least)) {
        out.failure = ChebyshevSolution::Failure::NoRipple;
        out.ratios = range;
        return std::nullopt;
    }
    // The g ratio falls steadily as the ripple grows: searched on the
    // logarithm of epsilon between almost none and 3 dB.
    const double wanted = passaBasso(kind) ? ratio : 1 / ratio;
    const auto logEpsilon = rootBetween(
        [&](double m) -> std::optional<double> {
            return gRatio(elements, std::exp(m), distinct[0], distinct[1]) - wanted;
        },
        std::log(kLeastEpsilon), std::log(kLargestEpsilon));
    if (!logEpsilon) out.failure = ChebyshevSolution::Failure::NoRipple;
    return logEpsilon ? std::optional(std::exp(*logEpsilon)) : std::nullopt;
}

// The distinct capacitors the design starts from: one, or the outer two.
std::size_t neededCapacitors(TipoCella kind, int elements) {
    return std::min<std::size_t>(distinctCapacitors(kind, elements).size(), 2);
}

bool capacitorsGiven(TipoCella kind, int elements, const std::vector<double>& capacitorsPf) {
    const std::size_t needed = neededCapacitors(kind, elements);
    if (needed == 0 || capacitorsPf.size() < needed) return false;
    return std::all_of(capacitorsPf.begin(), capacitorsPf.begin() + std::ptrdiff_t(needed),
                       [](double c) { return positive(c); });
}

}  // namespace

ChebyshevSolution solveFromCapacitors(TipoCella kind, int elements, const std::vector<double>& capacitorsPf,
                                      double rippleSwr, double impedanceOhm) {
    ChebyshevSolution out;
    if (!capacitorsGiven(kind, elements, capacitorsPf) || !positive(impedanceOhm)) {
        out.failure = ChebyshevSolution::Failure::NoCapacitor;
        return out;
    }
    const auto epsilon = epsilonOf(kind, elements, capacitorsPf, rippleSwr, out);
    if (!epsilon) return out;

    // The outer capacitor fixes the cut-off: C = g / (w Z) low-pass,
    // 1 / (g w Z) high-pass.
    const std::vector<std::size_t> distinct = distinctCapacitors(kind, elements);
    const std::vector<double> g = chebyshevPrototypeOfEpsilon(elements, *epsilon);
    const double gOuter = g[distinct[0]];
    const double farads = capacitorsPf[0] * 1e-6;
    const double w = passaBasso(kind) ? gOuter / (farads * impedanceOhm) : 1 / (gOuter * farads * impedanceOhm);
    const double cutoff = w / (2 * std::numbers::pi);
    auto ladder = synthesize(kind, g, cutoff, impedanceOhm);
    if (!ladder || !positive(cutoff)) {
        out.failure = ChebyshevSolution::Failure::NoCapacitor;
        return out;
    }
    // The given values themselves, not their round trip through g.
    for (std::size_t k = 0; k < neededCapacitors(kind, elements); ++k) {
        const std::size_t i = distinct[k];
        ladder->elements[i].value = capacitorsPf[k];
        ladder->elements[ladder->elements.size() - 1 - i].value = capacitorsPf[k];
    }
    out.design = ChebyshevDesign{
        .epsilon = *epsilon, .rippleSwr = swrOfEpsilon(*epsilon), .cutoffMHz = cutoff, .ladder = std::move(*ladder)};
    return out;
}

Ladder atStandardCapacitors(const Ladder& ladder, Series series, std::size_t keepDistinct) {
    Ladder out = ladder;
    const std::size_t n = out.elements.size();
    std::size_t distinct = 0;
    for (std::size_t i = 0; i < (n + 1) / 2; ++i) {
        LadderElement& e = out.elements[i];
        if (e.part != LadderElement::Part::Capacitor || distinct++ < keepDistinct) continue;
        if (const auto v = nearestStandard(series, e.value)) e.value = out.elements[n - 1 - i].value = *v;
    }
    return out;
}

}  // namespace ombrana
