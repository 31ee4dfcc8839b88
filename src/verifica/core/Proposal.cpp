#include "verifica/core/Proposal.h"

#include "verifica/core/LadderAnalysis.h"
#include "verifica/core/LadderMaths.h"
#include "verifica/core/Prototype.h"
#include "verifica/core/StandardDesign.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ombrana {
namespace {

// A design at the SWR limit meets it: the sweep may find it a rounding above.
constexpr double kSwrTolerance = 1e-7;

// When no design keeps the SWR, the few whose bounds come lowest are swept
// to tell how close the best comes.
constexpr int kSweptOverLimit = 8;

struct Candidate {
    ChebyshevDesign design;
    Ladder built;
    std::vector<double> capacitors;
    double swrAtLeast;  // the highest of a few samples: the sweep can only find more
    double loss2;
};

// The -3 dB point over the ripple edge of an equal-ripple low-pass
// prototype: cosh(acosh(1/eps)/n).
double minus3DbOverEdge(double epsilon, int n) {
    return epsilon >= 1 ? 1.0 : std::cosh(std::acosh(1 / epsilon) / n);
}

// How far the outer capacitor of an equal-ripple design strays from the
// Butterworth one with the same -3 dB point, for the ripples a builder can
// want (up to SWR 2 with nine elements, to 3 dB with five): a low-pass
// capacitor from 0,3 to 5 times, a high-pass one, which goes as 1/g, within
// the inverses rounded outward.
constexpr double kLowPassLeastOuter = 0.3;
constexpr double kLowPassMostOuter = 5;
constexpr double kHighPassLeastOuter = 0.2;
constexpr double kHighPassMostOuter = 3.4;

// A loss wanted under half power lets the -3 dB point go this many times
// beyond the harmonic.
constexpr double kSmallLossReach = 100;

// A ladder the analysis cannot take stands as one that misses the job.
double swrOrWorst(const Ladder& ladder, double mhz) {
    return swrAt(ladder, mhz).value_or(kSwrCap);
}

// The peaks of an exact equal-ripple ladder lie at cos(k pi / n) of the
// edge; with the band's end they bound the highest SWR from below.
double swrLowerBound(const Job& job, const Candidate& c, int n) {
    const bool low = passaBasso(job.kind);
    const FrequencySpan band = jobPassBand(job);
    double most = swrOrWorst(c.built, low ? band.toMHz : band.fromMHz);
    for (int k = 1; k <= n / 2; ++k) {
        const double x = std::cos(k * std::numbers::pi / n);
        const double f = low ? c.design.cutoffMHz * x : c.design.cutoffMHz / x;
        if (f >= band.fromMHz && f <= band.toMHz) most = std::max(most, swrOrWorst(c.built, f));
    }
    return most;
}

// Where a design that can meet the job has its -3 dB point: between the
// band and the harmonic (loss under half power in the band, over it at the
// harmonic); a loss wanted under half power lets the point go far beyond.
std::optional<FrequencySpan> halfPowerWindow(const Job& job) {
    const bool low = passaBasso(job.kind);
    const double h2 = jobHarmonicMHz(job, 2);
    const double reach = job.minLossDb <= kHalfPowerDb ? kSmallLossReach : 1;
    const FrequencySpan band = jobPassBand(job);
    const FrequencySpan f3{.fromMHz = low ? band.toMHz : h2 / reach, .toMHz = low ? h2 * reach : job.fromMHz};
    if (f3.toMHz < f3.fromMHz) return std::nullopt;
    return f3;
}

// The outer capacitors worth trying, in pF: the Butterworth ones with their
// -3 dB point in the window, widened for any ripple up to 3 dB.
std::vector<double> outerCapacitors(const Job& job, int n, std::size_t outer, const FrequencySpan& f3) {
    const bool low = passaBasso(job.kind);
    const double gB = butterworthPrototype(n)[outer];
    const auto butterworthPf = [&](double f) {
        const double wz = omega(f) * job.impedanceOhm;
        return (low ? gB / wz : 1 / (gB * wz)) * 1e6;
    };
    return standardValuesBetween(job.series, butterworthPf(f3.toMHz) * (low ? kLowPassLeastOuter : kHighPassLeastOuter),
                                 butterworthPf(f3.fromMHz) * (low ? kLowPassMostOuter : kHighPassMostOuter));
}

// The designs of one element count, each made and screened.
void candidatesOf(const Job& job, int n, std::vector<Candidate>& out) {
    const bool low = passaBasso(job.kind);
    const std::vector<std::size_t> distinct = distinctCapacitors(job.kind, n);
    const std::optional<FrequencySpan> window = halfPowerWindow(job);
    if (distinct.empty() || !window) return;
    const double rippleSwr = std::min(job.maxSwr, swrOfEpsilon(kLargestEpsilon));
    const double h2 = jobHarmonicMHz(job, 2);

    const auto consider = [&](const std::vector<double>& capacitors) {
        const ChebyshevSolution s = solveFromCapacitors(job.kind, n, capacitors, rippleSwr, job.impedanceOhm);
        if (!s.design) return;
        const double h = minus3DbOverEdge(s.design->epsilon, n);
        const double f3 = low ? s.design->cutoffMHz * h : s.design->cutoffMHz / h;
        if (f3 < window->fromMHz || f3 > window->toMHz) return;
        Candidate c{.design = *s.design,
                    .built = atStandardCapacitors(s.design->ladder, job.series, 2),
                    .capacitors = {},
                    .swrAtLeast = 0,
                    .loss2 = 0};
        for (std::size_t i : distinct) c.capacitors.push_back(c.built.elements[i].value);
        const auto loss2 = lossAt(c.built, h2);
        if (!loss2) return;
        c.loss2 = *loss2;
        c.swrAtLeast = swrLowerBound(job, c, n);
        out.push_back(std::move(c));
    };

    const std::vector<double> outer = outerCapacitors(job, n, distinct[0], *window);
    if (distinct.size() == 1) {
        for (double c : outer) consider({c});
        return;
    }
    // The inner capacitor's ratio to the outer lies where ripples up to
    // 3 dB put it.
    const std::optional<RatioRange> ratios = capacitorRatioRange(job.kind, n);
    if (!ratios) return;
    for (double a : outer)
        for (double b : standardValuesBetween(job.series, a * ratios->least, a * ratios->most)) consider({a, b});
}

}  // namespace

double jobHarmonicMHz(const Job& job, int order) {
    return passaBasso(job.kind) ? job.fromMHz * order : job.fromMHz / order;
}

FrequencySpan jobPassBand(const Job& job) {
    if (passaBasso(job.kind)) return {.fromMHz = job.toMHz / 1000, .toMHz = job.toMHz};
    return {.fromMHz = job.fromMHz, .toMHz = job.fromMHz * 100};
}

Proposal propose(const Job& job) {
    Proposal out;
    if (!positive(job.impedanceOhm) || !positive(job.fromMHz) || !positive(job.toMHz) || job.toMHz < job.fromMHz ||
        !std::isfinite(job.maxSwr) || !(job.maxSwr > 1) || !std::isfinite(job.minLossDb))
        return out;

    const PassBand passBand = passBandOf(job.kind);
    const FrequencySpan band = jobPassBand(job);
    const double limit = job.maxSwr * (1 + kSwrTolerance);
    std::optional<double> lowestSwr, mostLossKeepingSwr;

    const std::vector<int> counts = job.elements ? std::vector<int>{*job.elements} : std::vector<int>{3, 5, 7, 9};
    for (int n : counts) {
        std::vector<Candidate> candidates;
        candidatesOf(job, n, candidates);
        // The lowest bounds first: the sweep settles the few that may keep
        // the SWR, and the best of the others tells how close they come.
        std::sort(candidates.begin(), candidates.end(),
                  [](const Candidate& a, const Candidate& b) { return a.swrAtLeast < b.swrAtLeast; });
        int sweptOverLimit = 0;
        for (const Candidate& c : candidates) {
            if (c.swrAtLeast > limit && (mostLossKeepingSwr || ++sweptOverLimit > kSweptOverLimit)) break;
            const auto peak = highestSwr(c.built, passBand, band.fromMHz, band.toMHz);
            if (!peak) continue;
            lowestSwr = std::min(lowestSwr.value_or(peak->swr), peak->swr);
            if (peak->swr > limit) continue;
            mostLossKeepingSwr = std::max(mostLossKeepingSwr.value_or(c.loss2), c.loss2);
            if (c.loss2 < job.minLossDb) continue;
            const auto loss3 = lossAt(c.built, jobHarmonicMHz(job, 3));
            if (!loss3) continue;
            out.designs.push_back({.elements = n,
                                   .capacitorsPf = c.capacitors,
                                   .rippleSwr = c.design.rippleSwr,
                                   .cutoffMHz = c.design.cutoffMHz,
                                   .highestSwr = peak->swr,
                                   .loss2Db = c.loss2,
                                   .loss3Db = *loss3,
                                   .ladder = c.built});
        }
    }

    const bool byCount = !job.elements;
    std::stable_sort(out.designs.begin(), out.designs.end(),
                     [byCount](const ProposedDesign& a, const ProposedDesign& b) {
                         if (byCount && a.elements != b.elements) return a.elements < b.elements;
                         return a.loss2Db > b.loss2Db;
                     });
    if (out.designs.empty()) {
        if (mostLossKeepingSwr)
            out.shortfall = Shortfall{.limit = Shortfall::Limit::Loss, .best = *mostLossKeepingSwr};
        else if (lowestSwr)
            out.shortfall = Shortfall{.limit = Shortfall::Limit::Swr, .best = *lowestSwr};
    }
    return out;
}

}  // namespace ombrana
