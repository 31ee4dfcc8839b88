#include "verifica/core/PartStress.h"

#include "verifica/core/LadderMaths.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <numbers>

namespace ombrana {
namespace {

using Complex = std::complex<double>;

// The load's phase is walked in half degrees: the worst part's figure moves
// by well under a thousandth between two steps.
constexpr int kPhaseSteps = 720;

constexpr std::array kRatingsV{50.0,   100.0,  200.0,  300.0,  500.0,  630.0,  1000.0,  1500.0,
                               2000.0, 3000.0, 4000.0, 5000.0, 6000.0, 7500.0, 10000.0, 15000.0};

// The capacitors' peak voltages and the inductors' peak currents for a
// load, scaled to the generator's EMF. False when the arithmetic fails.
bool stressFor(const Ladder& ladder, double w, Complex load, double emf, std::vector<double>& out) {
    const std::size_t n = ladder.elements.size();
    std::vector<Complex> across(n), through(n);
    Complex v{1.0}, i = v / load;
    for (std::size_t k = n; k-- > 0;) {
        const LadderElement& e = ladder.elements[k];
        const auto impedance = impedanceOf(e, w);
        if (!impedance) return false;
        const Complex z = *impedance;
        if (e.placement == LadderElement::Placement::Series) {
            across[k] = i * z;
            through[k] = i;
            v += i * z;
        } else {
            across[k] = v;
            through[k] = v / z;
            i += v / z;
        }
    }
    const Complex scale = emf / (v + ladder.impedanceOhm * i);
    if (!std::isfinite(std::abs(scale))) return false;
    out.resize(n);
    for (std::size_t k = 0; k < n; ++k) {
        const bool capacitor = ladder.elements[k].part == LadderElement::Part::Capacitor;
        out[k] = std::abs(scale * (capacitor ? across[k] : through[k]));
        if (!std::isfinite(out[k])) return false;
    }
    return true;
}

}  // namespace

std::optional<std::vector<PartStress>> partStress(const Ladder& ladder, double frequencyMHz, double powerW,
                                                  double loadSwr) {
    const double z0 = ladder.impedanceOhm;
    if (!positive(frequencyMHz) || !positive(powerW) || !positive(z0) || !std::isfinite(loadSwr) || loadSwr < 1 ||
        ladder.elements.empty())
        return std::nullopt;
    const double w = omega(frequencyMHz);
    const double emf = std::sqrt(8 * powerW * z0);
    std::vector<double> matched;
    if (!stressFor(ladder, w, Complex(z0), emf, matched)) return std::nullopt;

    std::vector<double> worst = matched;
    const double rho = (loadSwr - 1) / (loadSwr + 1);
    if (rho > 0) {
        std::vector<double> at;
        for (int step = 0; step < kPhaseSteps; ++step) {
            const Complex gamma = std::polar(rho, 2 * std::numbers::pi * step / kPhaseSteps);
            if (!stressFor(ladder, w, z0 * (1.0 + gamma) / (1.0 - gamma), emf, at)) continue;
            for (std::size_t k = 0; k < at.size(); ++k) worst[k] = std::max(worst[k], at[k]);
        }
    }

    std::vector<PartStress> out;
    for (std::size_t k = 0; k < matched.size(); ++k) {
        // An inductor's figure is its RMS current: the peak over sqrt(2).
        const double toRms = ladder.elements[k].part == LadderElement::Part::Inductor ? 1 / std::numbers::sqrt2 : 1;
        out.push_back({.matched = matched[k] * toRms, .worst = worst[k] * toRms});
    }
    return out;
}

std::optional<double> capacitorRatingV(double peakV) {
    if (!std::isfinite(peakV) || peakV < 0) return std::nullopt;
    for (double r : kRatingsV)
        if (r >= 2 * peakV) return r;
    return std::nullopt;
}

}  // namespace ombrana
