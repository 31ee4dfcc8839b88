#include "verifica/core/StandardDesign.h"

#include "verifica/core/Prototype.h"
#include "verifica/core/Synthesis.h"

#include <cmath>
#include <numbers>

namespace ombrana {
namespace {

bool positive(double x) {
    return std::isfinite(x) && x > 0;
}

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

std::optional<RatioRange> capacitorRatioRange(TipoCella cell, int elements) {
    const std::vector<std::size_t> distinct = distinctCapacitors(cell, elements);
    if (distinct.size() < 2) return std::nullopt;
    const double most = gRatio(elements, kLeastEpsilon, distinct[0], distinct[1]);
    const double least = gRatio(elements, kLargestEpsilon, distinct[0], distinct[1]);
    if (passaBasso(cell)) return RatioRange{.least = least, .most = most};
    return RatioRange{.least = 1 / most, .most = 1 / least};
}

std::vector<std::size_t> distinctCapacitors(TipoCella cell, int elements) {
    const std::vector<LadderElement> shape = ladderShape(cell, elements);
    std::vector<std::size_t> firsts;
    for (std::size_t i = 0; i < (shape.size() + 1) / 2; ++i)
        if (shape[i].part == LadderElement::Part::Capacitor) firsts.push_back(i);
    return firsts;
}

ChebyshevSolution solveFromCapacitors(TipoCella cell, int elements, const std::vector<double>& capacitorsPf,
                                      double rippleSwr, double impedanceOhm) {
    ChebyshevSolution out;
    const std::vector<std::size_t> distinct = distinctCapacitors(cell, elements);
    const std::size_t needed = std::min<std::size_t>(distinct.size(), 2);
    if (distinct.empty() || capacitorsPf.size() < needed || !positive(impedanceOhm)) {
        out.failure = ChebyshevSolution::Failure::NoCapacitor;
        return out;
    }
    for (std::size_t i = 0; i < needed; ++i)
        if (!positive(capacitorsPf[i])) {
            out.failure = ChebyshevSolution::Failure::NoCapacitor;
            return out;
        }

    const bool low = passaBasso(cell);
    double epsilon = 0;
    if (needed == 1) {
        epsilon = epsilonOfSwr(rippleSwr);
        if (!positive(epsilon) || epsilon > kLargestEpsilon) {
            out.failure = ChebyshevSolution::Failure::NoRipple;
            return out;
        }
    } else {
        const RatioRange range = *capacitorRatioRange(cell, elements);
        const double ratio = capacitorsPf[1] / capacitorsPf[0];
        if (!(ratio < range.most && ratio > range.least)) {
            out.failure = ChebyshevSolution::Failure::NoRipple;
            out.ratios = range;
            return out;
        }
        // The g ratio falls steadily as the ripple grows: bisection on the
        // logarithm of epsilon between almost none and 3 dB.
        const double wanted = low ? ratio : 1 / ratio;
        double a = std::log(kLeastEpsilon), b = std::log(kLargestEpsilon);
        for (int k = 0; k < 60; ++k) {
            const double m = (a + b) / 2;
            (gRatio(elements, std::exp(m), distinct[0], distinct[1]) > wanted ? a : b) = m;
        }
        epsilon = std::exp((a + b) / 2);
    }

    // The outer capacitor fixes the cut-off: C = g / (w Z) low-pass,
    // 1 / (g w Z) high-pass.
    const std::vector<double> g = chebyshevPrototypeOfEpsilon(elements, epsilon);
    const double gOuter = g[distinct[0]];
    const double farads = capacitorsPf[0] * 1e-6;
    const double w = low ? gOuter / (farads * impedanceOhm) : 1 / (gOuter * farads * impedanceOhm);
    const double cutoff = w / (2 * std::numbers::pi);
    auto ladder = synthesize(cell, g, cutoff, impedanceOhm);
    if (!ladder || !positive(cutoff)) {
        out.failure = ChebyshevSolution::Failure::NoCapacitor;
        return out;
    }
    // The given values themselves, not their round trip through g.
    for (std::size_t k = 0; k < needed; ++k) {
        const std::size_t i = distinct[k];
        ladder->elements[i].value = capacitorsPf[k];
        ladder->elements[ladder->elements.size() - 1 - i].value = capacitorsPf[k];
    }
    out.design = ChebyshevDesign{
        .epsilon = epsilon, .rippleSwr = swrOfEpsilon(epsilon), .cutoffMHz = cutoff, .ladder = std::move(*ladder)};
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
