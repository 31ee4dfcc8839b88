#pragma once

#include "app/core/Ladder.h"

#include <cmath>
#include <complex>
#include <functional>
#include <numbers>
#include <optional>

// The small sums that every ladder calculation shares, said once.
namespace ombrana {

// A value that a ladder, a frequency or an impedance can take: finite and
// above zero.
inline bool positive(double x) {
    return std::isfinite(x) && x > 0;
}
inline bool positive(const std::optional<double>& x) {
    return x && positive(*x);
}

// Angular frequency in rad/µs: with µH and pF the values stay near 1 for
// the frequencies this program meets.
inline double omega(double frequencyMHz) {
    return 2 * std::numbers::pi * frequencyMHz;
}

// Half the power, 10 log10(2) dB: the "-3 dB" point of a filter, where a
// Butterworth ladder has its cut-off.
inline constexpr double kHalfPowerDb = 3.0102999566398120;

// An element's impedance in ohms at w rad/µs, its coil's loss included;
// nothing for a value, or a Q, that is not positive.
std::optional<std::complex<double>> impedanceOf(const LadderElement& element, double w);

// The first capacitor from the input: the outer one, which fixes a design's
// cut-off. Nothing for a ladder without one.
std::optional<double> outerCapacitorPf(const Ladder& ladder);

// A real function that may fail at a point (a ladder that cannot be
// analysed there).
using RealFunction = std::function<std::optional<double>(double)>;

// Where f crosses zero between a and b, where it has opposite signs (or a
// zero). Nothing when f fails on the way, gives a value that is not finite,
// or keeps its sign.
std::optional<double> rootBetween(const RealFunction& f, double a, double b);

// The highest value of f between a and b, where f has a single peak, and
// where. A point where f fails counts as 0, below every figure whose peak is
// sought here (an SWR is at least 1).
struct Peak {
    double at;
    double value;
};
Peak peakBetween(const RealFunction& f, double a, double b);

}  // namespace ombrana
