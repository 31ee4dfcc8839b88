#pragma once

#include "app/core/Ladder.h"

#include <optional>
#include <vector>

namespace ombrana {

// What the transmitter puts on each part of a ladder: a capacitor's peak
// voltage (V), an inductor's RMS current (A).
struct PartStress {
    double matched;  // into a load of the line's impedance
    double worst;    // into a load of the given SWR at its worst phase for this part
};

// The generator has an internal resistance of the line's impedance Z and
// gives powerW into a matched load, so its peak EMF is sqrt(8 P Z); the
// ladder's node voltages and branch currents follow from the load back to
// the input. One entry per element, in the ladder's order; nothing when
// the ladder cannot be analysed at that frequency or the inputs are not
// positive (a load SWR of 1 is a matched load).
std::optional<std::vector<PartStress>> partStress(const Ladder& ladder, double frequencyMHz, double powerW,
                                                  double loadSwr);

// The smallest usual capacitor voltage rating of at least twice the peak;
// nothing above the largest.
std::optional<double> capacitorRatingV(double peakV);

}  // namespace ombrana
