#include "verifica/core/StandardValues.h"

#include "verifica/core/LadderMaths.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <vector>

namespace ombrana {
namespace {

constexpr std::array<int, 12> kE12{10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array<int, 24> kE24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                   33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

std::span<const int> mantissas(Series s) {
    if (s == Series::E12) return kE12;
    return kE24;
}

// A two-digit mantissa times a power of ten; 10^e is formed by division for
// negative e, so that 4.7 comes out as 47/10 rather than 47 × 0.1.
double scaled(int mantissa, int exponent) {
    return exponent >= 0 ? mantissa * std::pow(10.0, exponent) : mantissa / std::pow(10.0, -exponent);
}

// The series' values over the decades from a decade below the value to one
// above, in ascending order.
std::vector<double> valuesAround(Series s, double value, int decadesBelow) {
    const int decade = static_cast<int>(std::floor(std::log10(value)));
    std::vector<double> out;
    for (int e = decade - 1 - decadesBelow; e <= decade + 1; ++e)
        for (int m : mantissas(s)) out.push_back(scaled(m, e));
    return out;
}

// Equal within rounding: a value typed as 470 is the standard 470.
bool same(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max(a, b);
}

}  // namespace

std::optional<StandardNeighbours> standardNeighbours(Series series, double value) {
    if (!positive(value)) return std::nullopt;
    const std::vector<double> values = valuesAround(series, value, 0);
    std::optional<double> below, above;
    for (double v : values) {
        if (v < value || same(v, value)) below = v;
        if (!above && (v > value || same(v, value))) above = v;
    }
    if (!below || !above || !std::isfinite(*above) || *below <= 0) return std::nullopt;
    return StandardNeighbours{.below = *below, .above = *above};
}

std::optional<double> nearestStandard(Series series, double value) {
    const auto n = standardNeighbours(series, value);
    if (!n) return std::nullopt;
    return value - n->below <= n->above - value ? n->below : n->above;
}

std::vector<double> standardValuesBetween(Series series, double fromPf, double toPf) {
    std::vector<double> out;
    if (!positive(fromPf) || !positive(toPf) || toPf < fromPf) return out;
    const int first = static_cast<int>(std::floor(std::log10(fromPf))) - 1;
    const int last = static_cast<int>(std::floor(std::log10(toPf))) + 1;
    for (int e = first; e <= last; ++e)
        for (int m : mantissas(series)) {
            const double v = scaled(m, e);
            if ((v > fromPf || same(v, fromPf)) && (v < toPf || same(v, toPf))) out.push_back(v);
        }
    return out;
}

std::optional<ParallelPair> bestE12Pair(double value) {
    if (!positive(value)) return std::nullopt;
    // A part under a hundredth of the value would be lost in the other's
    // tolerance: it is not offered.
    std::vector<double> values = valuesAround(Series::E12, value, 2);
    std::erase_if(values, [value](double v) { return v < value / 100 && !same(v, value / 100); });
    std::optional<ParallelPair> best;
    double bestError = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        for (std::size_t j = 0; j <= i; ++j) {
            const ParallelPair pair{.larger = values[i], .smaller = values[j]};
            const double error = std::abs(pair.sum() - value);
            const bool nearer = !best || error < bestError - 1e-9 * value;
            const bool tieButSmaller = best && std::abs(error - bestError) <= 1e-9 * value && pair.sum() < best->sum();
            if (nearer || tieButSmaller) {
                best = pair;
                bestError = error;
            }
        }
    }
    if (!best || !std::isfinite(best->sum())) return std::nullopt;
    return best;
}

std::optional<CapacitorChoice> capacitorChoice(double valuePf) {
    const auto e12 = standardNeighbours(Series::E12, valuePf);
    const auto e24 = standardNeighbours(Series::E24, valuePf);
    const auto pair = bestE12Pair(valuePf);
    if (!e12 || !e24 || !pair) return std::nullopt;
    return CapacitorChoice{.e12 = *e12, .e24 = *e24, .e12Pair = *pair, .suggestedPf = e24->below};
}

}  // namespace ombrana
