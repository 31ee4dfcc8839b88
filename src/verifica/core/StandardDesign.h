#pragma once

#include "app/core/Ladder.h"
#include "app/core/TipoCella.h"
#include "verifica/core/StandardValues.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace ombrana {

// The distinct capacitors of a symmetric ladder of the kind, from the
// ports inward, each as the index of its first element: a low-pass pi or a
// high-pass T ladder has 1, 2, 2, 3 of them for 3, 5, 7, 9 elements, a
// low-pass T or a high-pass pi ladder 1, 1, 2, 2.
std::vector<std::size_t> distinctCapacitors(TipoCella kind, int elements);

// The ratios inner / outer of the two outer distinct capacitors that
// ripples from 3 dB (least) down to almost none (most) give. Nothing for a
// ladder with fewer than two distinct capacitors.
struct RatioRange {
    double least;
    double most;
};
std::optional<RatioRange> capacitorRatioRange(TipoCella kind, int elements);

// An equal-ripple ladder worked out from capacitors that can be bought.
struct ChebyshevDesign {
    double epsilon;    // ripple factor: ripple dB = 10 log10(1 + epsilon^2)
    double rippleSwr;  // the highest SWR in the pass band
    double cutoffMHz;  // the edge of the ripple
    Ladder ladder;     // the capacitors given; every other value exact
};

struct ChebyshevSolution {
    enum class Failure {
        None,
        NoCapacitor,  // a capacitor missing, zero, negative or not finite
        NoRipple,     // no ripple from 0 to 3 dB gives the two capacitors' ratio
    };
    std::optional<ChebyshevDesign> design;
    Failure failure = Failure::None;
    std::optional<RatioRange> ratios;  // for NoRipple with two capacitors: what any ripple gives
};

// Ripple, cut-off and inductors from the capacitors the builder has:
// capacitorsPf[0] for the capacitors nearest the ports, [1] for the next
// distinct value inward. With two or more distinct capacitors their ratio
// fixes the ripple and the outer one the cut-off (with three, the third
// follows exactly); with one, the capacitor fixes the cut-off for the
// ripple given as rippleSwr. Inductors are wound to any value, so they
// follow exactly.
ChebyshevSolution solveFromCapacitors(TipoCella kind, int elements, const std::vector<double>& capacitorsPf,
                                      double rippleSwr, double impedanceOhm);

// The ladder with each capacitor at the nearest value of the series, but
// for the first keepDistinct distinct ones from the ports inward: those the
// builder gave are bought as they are.
Ladder atStandardCapacitors(const Ladder& ladder, Series series, std::size_t keepDistinct = 0);

}  // namespace ombrana
