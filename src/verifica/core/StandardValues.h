#pragma once

#include <optional>
#include <vector>

namespace ombrana {

enum class Series { E12, E24 };

// The standard values of a series on either side of a value: the largest at
// or below it and the smallest at or above it (the same when it is one).
struct StandardNeighbours {
    double below;
    double above;
};

// Nothing for a value that is zero, negative or not finite.
std::optional<StandardNeighbours> standardNeighbours(Series series, double value);

// The standard value nearest the value (of two equally near, the lower).
std::optional<double> nearestStandard(Series series, double value);

// Every standard value from fromPf to toPf, both included, ascending.
std::vector<double> standardValuesBetween(Series series, double fromPf, double toPf);

// Two E12 values in parallel whose sum comes nearest the value; of two
// equally near pairs, the one with fewer picofarads.
struct ParallelPair {
    double larger;
    double smaller;
    double sum() const { return larger + smaller; }
};
std::optional<ParallelPair> bestE12Pair(double value);

// Everything the builder can buy for one capacitance. The suggestion is the
// nearest lower E24 value: stray capacitance adds the rest.
struct CapacitorChoice {
    StandardNeighbours e12;
    StandardNeighbours e24;
    ParallelPair e12Pair;
    double suggestedPf;
};
std::optional<CapacitorChoice> capacitorChoice(double valuePf);

}  // namespace ombrana
