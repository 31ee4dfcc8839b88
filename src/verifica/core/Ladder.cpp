#include "verifica/core/Ladder.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace ombrana {
namespace {

using Complex = std::complex<double>;

// The chain matrix of a two-port: [V1 I1] = [[a b] [c d]] [V2 I2].
struct Abcd {
    Complex a{1}, b{0}, c{0}, d{1};

    Abcd operator*(const Abcd& o) const {
        return {a * o.a + b * o.c, a * o.b + b * o.d, c * o.a + d * o.c, c * o.b + d * o.d};
    }
};

bool positive(double x) {
    return std::isfinite(x) && x > 0;
}

// The element's impedance at angular frequency w (rad/µs): µH and pF keep
// the numbers near 1 for the frequencies this program meets.
Complex impedanceOf(const LadderElement& e, double w) {
    if (e.part == LadderElement::Part::Inductor) {
        const double x = w * e.value;  // ohms: rad/µs × µH
        const double r = e.q ? x / *e.q : 0.0;
        return {r, x};
    }
    return {0.0, -1e6 / (w * e.value)};  // pF: 1/(w·C) with C in µF·1e-6
}

bool valid(const LadderElement& e) {
    return positive(e.value) && (!e.q || positive(*e.q));
}

double db(double powerRatio) {
    return 10.0 * std::log10(powerRatio);
}

}  // namespace

std::optional<LadderResponse> analyse(const Ladder& ladder, double frequencyMHz) {
    const double z0 = ladder.impedanceOhm;
    if (!positive(frequencyMHz) || !positive(z0)) return std::nullopt;
    const double w = 2 * std::numbers::pi * frequencyMHz;

    Abcd total;
    for (const LadderElement& e : ladder.elements) {
        if (!valid(e)) return std::nullopt;
        const Complex z = impedanceOf(e, w);
        total = total * (e.placement == LadderElement::Placement::Series ? Abcd{1, z, 0, 1} : Abcd{1, 0, 1.0 / z, 1});
    }

    // Both ends see z0: S21 = 2/den, S11 = num/den.
    const Complex den = total.a + total.b / z0 + total.c * z0 + total.d;
    const Complex num = total.a + total.b / z0 - total.c * z0 - total.d;
    const double den2 = std::norm(den);
    if (!std::isfinite(den2) || den2 == 0.0) return std::nullopt;
    const double s21 = 4.0 / den2;
    const double s11 = std::norm(num) / den2;
    if (!std::isfinite(s11)) return std::nullopt;

    const double gamma = std::min(1.0, std::sqrt(s11));
    const double swr = gamma >= 1.0 ? kSwrCap : std::min(kSwrCap, (1 + gamma) / (1 - gamma));
    return LadderResponse{
        .insertionLossDb = std::clamp(db(den2 / 4.0), 0.0, kLossCapDb),
        .returnLossDb = s11 > 0 ? std::clamp(-db(s11), 0.0, kLossCapDb) : kLossCapDb,
        .swr = swr,
        .s11Squared = s11,
        .s21Squared = s21,
    };
}

std::optional<double> frequencyAt3Db(const Ladder& ladder, PassBand band, double fromMHz, double toMHz) {
    constexpr double kTarget = 3.0;
    constexpr int kSteps = 600;
    if (!positive(fromMHz) || !positive(toMHz) || toMHz <= fromMHz) return std::nullopt;

    // Walk from the pass band towards the stop band in equal ratios.
    const bool upward = band == PassBand::Low;
    const double ratio = std::pow(toMHz / fromMHz, 1.0 / kSteps);
    const auto lossAt = [&](double f) {
        const auto r = analyse(ladder, f);
        return r ? std::optional<double>(r->insertionLossDb) : std::nullopt;
    };

    double inside = upward ? fromMHz : toMHz;
    const auto first = lossAt(inside);
    if (!first || *first >= kTarget) return std::nullopt;
    for (int i = 1; i <= kSteps; ++i) {
        const double f = upward ? fromMHz * std::pow(ratio, i) : toMHz / std::pow(ratio, i);
        const auto loss = lossAt(f);
        if (!loss) return std::nullopt;
        if (*loss < kTarget) {
            inside = f;
            continue;
        }
        // Bisection on the logarithm of the frequency between the last point
        // under 3 dB and the first one at or above.
        double a = inside, b = f;
        for (int k = 0; k < 60; ++k) {
            const double m = std::sqrt(a * b);
            const auto lm = lossAt(m);
            if (!lm) return std::nullopt;
            (*lm < kTarget ? a : b) = m;
        }
        return std::sqrt(a * b);
    }
    return std::nullopt;
}

}  // namespace ombrana
