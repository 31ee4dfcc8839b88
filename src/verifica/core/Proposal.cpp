#include "verifica/core/Proposal.h"

#include "verifica/core/LadderAnalysis.h"
#include "verifica/core/Prototype.h"
#include "verifica/core/StandardDesign.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ombrana {
namespace {

bool positive(double x) {
    return std::isfinite(x) && x > 0;
}

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

double lossAt(const Ladder& ladder, double mhz) {
    const auto r = analyse(ladder, mhz);
    return r ? r->insertionLossDb : 0;
}

double swrAt(const Ladder& ladder, double mhz) {
    const auto r = analyse(ladder, mhz);
    return r ? r->swr : kSwrCap;
}

// The peaks of an exact equal-ripple ladder lie at cos(k pi / n) of the
// edge; with the band's end they bound the highest SWR from below.
double swrLowerBound(const Job& job, const Candidate& c, int n) {
    const bool low = passaBasso(job.cell);
    const FrequencySpan band = jobPassBand(job);
    double most = swrAt(c.built, low ? band.toMHz : band.fromMHz);
    for (int k = 1; k <= n / 2; ++k) {
        const double x = std::cos(k * std::numbers::pi / n);
        const double f = low ? c.design.cutoffMHz * x : c.design.cutoffMHz / x;
        if (f >= band.fromMHz && f <= band.toMHz) most = std::max(most, swrAt(c.built, f));
    }
    return most;
}

// The designs of one element count, each made and screened.
void candidatesOf(const Job& job, int n, std::vector<Candidate>& out) {
    const bool low = passaBasso(job.cell);
    const std::vector<std::size_t> distinct = distinctCapacitors(job.cell, n);
    if (distinct.empty()) return;
    const double rippleSwr = std::min(job.maxSwr, swrOfEpsilon(kLargestEpsilon));
    const double h2 = jobHarmonicMHz(job, 2);

    // A design can meet the job only with its -3 dB point between the band
    // and the harmonic (loss under 3 dB in the band, over it at the
    // harmonic); a loss wanted under 3 dB lets the point go far beyond.
    const bool smallLoss = job.minLossDb <= 3.0103;
    const FrequencySpan band = jobPassBand(job);
    const double f3From = low ? band.toMHz : h2 / (smallLoss ? 100 : 1);
    const double f3To = low ? h2 * (smallLoss ? 100 : 1) : job.fromMHz;
    if (f3To < f3From) return;

    // The outer capacitor of such a design, from its Butterworth value at
    // those -3 dB points, widened for any ripple up to 3 dB.
    const double gB = butterworthPrototype(n)[distinct[0]];
    const double wz = 2 * std::numbers::pi * job.impedanceOhm;
    const double fromPf = low ? 0.3 * gB / (wz * f3To) * 1e6 : 0.2 / (gB * wz * f3To) * 1e6;
    const double toPf = low ? 5 * gB / (wz * f3From) * 1e6 : 3.4 / (gB * wz * f3From) * 1e6;

    const auto consider = [&](const std::vector<double>& capacitors) {
        const ChebyshevSolution s = solveFromCapacitors(job.cell, n, capacitors, rippleSwr, job.impedanceOhm);
        if (!s.design) return;
        const double h = minus3DbOverEdge(s.design->epsilon, n);
        const double f3 = low ? s.design->cutoffMHz * h : s.design->cutoffMHz / h;
        if (f3 < f3From || f3 > f3To) return;
        Candidate c{.design = *s.design,
                    .built = atStandardCapacitors(s.design->ladder, job.series, 2),
                    .capacitors = {},
                    .swrAtLeast = 0,
                    .loss2 = 0};
        for (std::size_t i : distinct) c.capacitors.push_back(c.built.elements[i].value);
        c.loss2 = lossAt(c.built, h2);
        c.swrAtLeast = swrLowerBound(job, c, n);
        out.push_back(std::move(c));
    };

    const std::vector<double> outer = standardValuesBetween(job.series, fromPf, toPf);
    if (distinct.size() == 1) {
        for (double c : outer) consider({c});
        return;
    }
    // The inner capacitor's ratio to the outer lies where ripples up to
    // 3 dB put it.
    const std::optional<RatioRange> ratios = capacitorRatioRange(job.cell, n);
    if (!ratios) return;
    for (double a : outer)
        for (double b : standardValuesBetween(job.series, a * ratios->least, a * ratios->most)) consider({a, b});
}

}  // namespace

double jobHarmonicMHz(const Job& job, int order) {
    return passaBasso(job.cell) ? job.fromMHz * order : job.fromMHz / order;
}

FrequencySpan jobPassBand(const Job& job) {
    if (passaBasso(job.cell)) return {.fromMHz = job.toMHz / 1000, .toMHz = job.toMHz};
    return {.fromMHz = job.fromMHz, .toMHz = job.fromMHz * 100};
}

Proposal propose(const Job& job) {
    Proposal out;
    if (!positive(job.impedanceOhm) || !positive(job.fromMHz) || !positive(job.toMHz) || job.toMHz < job.fromMHz ||
        !std::isfinite(job.maxSwr) || !(job.maxSwr > 1) || !std::isfinite(job.minLossDb))
        return out;

    const bool low = passaBasso(job.cell);
    const PassBand passBand = low ? PassBand::Low : PassBand::High;
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
            out.designs.push_back({.elements = n,
                                   .capacitorsPf = c.capacitors,
                                   .rippleSwr = c.design.rippleSwr,
                                   .cutoffMHz = c.design.cutoffMHz,
                                   .highestSwr = peak->swr,
                                   .loss2Db = c.loss2,
                                   .loss3Db = lossAt(c.built, jobHarmonicMHz(job, 3)),
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
