#include "verifica/core/LadderAnalysis.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

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

std::optional<SwrPeak> highestSwr(const Ladder& ladder, PassBand band, double fromMHz, double toMHz) {
    if (!positive(fromMHz) || !positive(toMHz) || toMHz < fromMHz) return std::nullopt;
    // u runs evenly; the frequency is u itself (low-pass) or 1/u (high-pass).
    const bool low = band == PassBand::Low;
    const double u0 = low ? fromMHz : 1 / toMHz;
    const double u1 = low ? toMHz : 1 / fromMHz;
    const auto frequencyOf = [low](double u) { return low ? u : 1 / u; };
    const auto swrAt = [&](double u) -> std::optional<double> {
        const auto r = analyse(ladder, frequencyOf(u));
        return r ? std::optional(r->swr) : std::nullopt;
    };
    const int samples = std::max<int>(200, 50 * int(ladder.elements.size()));
    std::vector<double> swr(std::size_t(samples) + 1);
    const double du = (u1 - u0) / samples;
    for (int i = 0; i <= samples; ++i) {
        const auto s = swrAt(u0 + du * i);
        if (!s) return std::nullopt;
        swr[std::size_t(i)] = *s;
    }

    SwrPeak best{.swr = swr[0], .frequencyMHz = frequencyOf(u0)};
    const auto consider = [&](double s, double u) {
        if (s > best.swr) best = {.swr = s, .frequencyMHz = frequencyOf(u)};
    };
    consider(swr[std::size_t(samples)], u1);
    constexpr double kGolden = 0.6180339887498949;
    for (int i = 1; i < samples; ++i) {
        const auto k = std::size_t(i);
        if (!(swr[k] >= swr[k - 1] && swr[k] >= swr[k + 1])) continue;
        // The peak lies between the neighbours of the highest sample.
        double a = u0 + du * (i - 1), b = u0 + du * (i + 1);
        double c = b - kGolden * (b - a), d = a + kGolden * (b - a);
        double sc = swrAt(c).value_or(0), sd = swrAt(d).value_or(0);
        for (int step = 0; step < 40; ++step) {
            if (sc > sd) {
                b = d, d = c, sd = sc;
                c = b - kGolden * (b - a);
                sc = swrAt(c).value_or(0);
            } else {
                a = c, c = d, sc = sd;
                d = a + kGolden * (b - a);
                sd = swrAt(d).value_or(0);
            }
        }
        consider(swr[k], u0 + du * i);
        consider(sc, c);
        consider(sd, d);
    }
    return best;
}

}  // namespace ombrana
