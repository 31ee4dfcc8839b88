#include "verifica/core/LadderMaths.h"

#include <algorithm>
#include <boost/math/tools/minima.hpp>
#include <boost/math/tools/toms748_solve.hpp>
#include <cstdint>
#include <utility>

namespace ombrana {
namespace {

// Bits of precision the searches work to: far finer than any figure shown,
// far coarser than the 52 of a double, which would only cost evaluations.
constexpr int kRootBits = 40;
// A minimum is found to half the bits of its values (sqrt of the
// precision): the value itself is flat there.
constexpr int kPeakBits = 20;
constexpr std::uintmax_t kMostEvaluations = 100;

}  // namespace

std::optional<std::complex<double>> impedanceOf(const LadderElement& e, double w) {
    if (!positive(e.value) || (e.q && !positive(*e.q))) return std::nullopt;
    if (e.part == LadderElement::Part::Inductor) {
        const double x = w * e.value;  // ohms: rad/µs × µH
        return std::complex<double>{e.q ? x / *e.q : 0.0, x};
    }
    return std::complex<double>{0.0, -1e6 / (w * e.value)};  // pF: 1/(w·C) with C in µF·1e-6
}

std::optional<double> outerCapacitorPf(const Ladder& ladder) {
    const auto& e = ladder.elements;
    const auto c = std::find_if(e.begin(), e.end(),
                                [](const LadderElement& x) { return x.part == LadderElement::Part::Capacitor; });
    if (c == e.end()) return std::nullopt;
    return c->value;
}

// TOMS 748, a bracketing search that needs a handful of evaluations where
// bisection needs fifty.
std::optional<double> rootBetween(const RealFunction& f, double a, double b) {
    if (a > b) std::swap(a, b);
    bool failed = false;
    // A failure, or a value that is not finite, reads as a root, which ends
    // the search at once.
    const auto g = [&](double x) {
        const std::optional<double> y = f(x);
        const bool usable = y && std::isfinite(*y);
        failed = failed || !usable;
        return usable ? *y : 0.0;
    };
    const double fa = g(a), fb = g(b);
    if (failed || fa * fb > 0) return std::nullopt;
    if (fa == 0) return a;
    if (fb == 0) return b;
    std::uintmax_t evaluations = kMostEvaluations;
    const auto [low, high] = boost::math::tools::toms748_solve(
        g, a, b, fa, fb, boost::math::tools::eps_tolerance<double>(kRootBits), evaluations);
    if (failed) return std::nullopt;
    return (low + high) / 2;
}

// Brent's search: golden sections where it must, a parabola through the
// last three points where it can.
Peak peakBetween(const RealFunction& f, double a, double b) {
    std::uintmax_t evaluations = kMostEvaluations;
    const auto [x, lowest] = boost::math::tools::brent_find_minima([&](double u) { return -f(u).value_or(0.0); }, a, b,
                                                                   kPeakBits, evaluations);
    return {.at = x, .value = -lowest};
}

}  // namespace ombrana
