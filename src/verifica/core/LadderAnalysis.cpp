#include "verifica/core/LadderAnalysis.h"

#include "verifica/core/LadderMaths.h"

#include <algorithm>
#include <cmath>
#include <complex>
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

double db(double powerRatio) {
    return 10.0 * std::log10(powerRatio);
}

}  // namespace

std::optional<LadderResponse> analyse(const Ladder& ladder, double frequencyMHz) {
    const double z0 = ladder.impedanceOhm;
    if (!positive(frequencyMHz) || !positive(z0)) return std::nullopt;
    const double w = omega(frequencyMHz);

    Abcd total;
    for (const LadderElement& e : ladder.elements) {
        const auto z = impedanceOf(e, w);
        if (!z) return std::nullopt;
        total = total * (e.placement == LadderElement::Placement::Series ? Abcd{1, *z, 0, 1} : Abcd{1, 0, 1.0 / *z, 1});
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

std::optional<double> lossAt(const Ladder& ladder, double frequencyMHz) {
    const auto r = analyse(ladder, frequencyMHz);
    return r ? std::optional(r->insertionLossDb) : std::nullopt;
}

std::optional<double> swrAt(const Ladder& ladder, double frequencyMHz) {
    const auto r = analyse(ladder, frequencyMHz);
    return r ? std::optional(r->swr) : std::nullopt;
}

std::optional<double> frequencyAt3Db(const Ladder& ladder, PassBand band, double fromMHz, double toMHz) {
    constexpr int kSteps = 600;
    if (!positive(fromMHz) || !positive(toMHz) || toMHz <= fromMHz) return std::nullopt;

    // Walk from the pass band towards the stop band in equal ratios.
    const bool upward = band == PassBand::Low;
    const double ratio = std::pow(toMHz / fromMHz, 1.0 / kSteps);
    const auto overHalfPower = [&](double logF) -> std::optional<double> {
        const auto loss = lossAt(ladder, std::exp(logF));
        return loss ? std::optional(*loss - kHalfPowerDb) : std::nullopt;
    };

    double inside = upward ? fromMHz : toMHz;
    const auto first = lossAt(ladder, inside);
    if (!first || *first >= kHalfPowerDb) return std::nullopt;
    for (int i = 1; i <= kSteps; ++i) {
        const double f = upward ? fromMHz * std::pow(ratio, i) : toMHz / std::pow(ratio, i);
        const auto loss = lossAt(ladder, f);
        if (!loss) return std::nullopt;
        if (*loss < kHalfPowerDb) {
            inside = f;
            continue;
        }
        // The crossing lies between the last point under half power and the
        // first at or over it: searched on the logarithm of the frequency.
        const auto logF = rootBetween(overHalfPower, std::log(std::min(inside, f)), std::log(std::max(inside, f)));
        return logF ? std::optional(std::exp(*logF)) : std::nullopt;
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
    const auto swrOf = [&](double u) { return swrAt(ladder, frequencyOf(u)); };
    const int samples = std::max<int>(200, 50 * int(ladder.elements.size()));
    std::vector<double> swr(std::size_t(samples) + 1);
    const double du = (u1 - u0) / samples;
    for (int i = 0; i <= samples; ++i) {
        const auto s = swrOf(u0 + du * i);
        if (!s) return std::nullopt;
        swr[std::size_t(i)] = *s;
    }

    SwrPeak best{.swr = swr[0], .frequencyMHz = frequencyOf(u0)};
    const auto consider = [&](double s, double u) {
        if (s > best.swr) best = {.swr = s, .frequencyMHz = frequencyOf(u)};
    };
    consider(swr[std::size_t(samples)], u1);
    for (int i = 1; i < samples; ++i) {
        const auto k = std::size_t(i);
        if (!(swr[k] >= swr[k - 1] && swr[k] >= swr[k + 1])) continue;
        // The peak lies between the neighbours of the highest sample.
        consider(swr[k], u0 + du * i);
        const Peak peak = peakBetween(swrOf, u0 + du * (i - 1), u0 + du * (i + 1));
        consider(peak.value, peak.at);
    }
    return best;
}

}  // namespace ombrana
