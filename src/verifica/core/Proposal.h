#pragma once

#include "app/core/Ladder.h"
#include "app/core/TipoCella.h"
#include "verifica/core/LadderAnalysis.h"
#include "verifica/core/StandardValues.h"

#include <optional>
#include <vector>

namespace ombrana {

// What a transmitter's filter is asked by default: an SWR of 1.2 over
// the band, 40 dB at the second harmonic, for 100 W into a load of SWR 2.
inline constexpr double kDefaultMaxSwr = 1.2;
inline constexpr double kDefaultMinLossDb = 40;
inline constexpr double kDefaultPowerW = 100;
inline constexpr double kDefaultLoadSwr = 2;

// What the filter must do: pass a band (or one frequency) with a low SWR
// and hold back a harmonic.
struct Job {
    TipoCella kind;
    double impedanceOhm;
    double fromMHz;  // the band's edges; one frequency has both equal
    double toMHz;
    double maxSwr = kDefaultMaxSwr;        // the highest SWR allowed over the pass band
    double minLossDb = kDefaultMinLossDb;  // the least loss wanted at the harmonic
    Series series = Series::E12;
    std::optional<int> elements = {};  // 3, 5, 7 or 9; none: any, fewest first
};

// Where the job wants its loss: the k-th harmonic of the band's lowest
// frequency behind a low-pass filter, that frequency divided by k behind a
// high-pass one.
double jobHarmonicMHz(const Job& job, int order);

// Where the SWR is held: from near 0 to the band's top behind a low-pass
// filter, from the band's bottom to a hundred times it behind a high-pass.
FrequencySpan jobPassBand(const Job& job);

// One equal-ripple ladder whose capacitors are all standard values.
struct ProposedDesign {
    int elements;
    std::vector<double> capacitorsPf;  // the distinct values, from the ports inward
    double rippleSwr;                  // of the design the outer two fix
    double cutoffMHz;                  // its ripple edge
    double highestSwr;                 // over the job's pass band, as built
    double loss2Db;                    // at the job's second harmonic
    double loss3Db;                    // and its third
    Ladder ladder;                     // standard capacitors, exact inductors
};

// Why nothing meets the job, and how close the best comes.
struct Shortfall {
    enum class Limit {
        Swr,   // no design keeps the SWR: best is the lowest highest SWR
        Loss,  // none of those that keep it reaches the loss: best is the most loss
    };
    Limit limit;
    double best;
};

struct Proposal {
    std::vector<ProposedDesign> designs;  // every design that meets the job, best first
    std::optional<Shortfall> shortfall;   // when there is none
};

// Every standard-capacitor design of the cell's kind that meets the job:
// fewest elements first when the count is free, then most loss at the
// harmonic. Two distinct capacitors fix ripple and cut-off; one fixes the
// cut-off at the ripple the SWR limit allows; with three, the outer two fix
// the design and the third is the nearest standard value.
Proposal propose(const Job& job);

}  // namespace ombrana
