#pragma once

#include <optional>
#include <vector>

namespace ombrana {

// One element of a ladder network, in the units the program shows.
struct LadderElement {
    enum class Part { Inductor, Capacitor };
    enum class Placement { Series, Shunt };

    Part part;
    Placement placement;
    double value;                  // µH for an inductor, pF for a capacitor
    std::optional<double> q = {};  // an inductor's finite Q; none means lossless
};

// A ladder between a source and a load of the same resistance, elements
// listed from input to output.
struct Ladder {
    std::vector<LadderElement> elements;
    double impedanceOhm = 50;
};

// What the ladder does to a signal at one frequency.
struct LadderResponse {
    double insertionLossDb;  // never below 0; capped at kLossCapDb
    double returnLossDb;     // at the input; capped at kLossCapDb for a perfect match
    double swr;              // at the input; capped at kSwrCap
    double s11Squared;       // |S11|^2: reflected share of the power
    double s21Squared;       // |S21|^2: delivered share of the power
};

inline constexpr double kLossCapDb = 400.0;
inline constexpr double kSwrCap = 1e9;

// Exact analysis with complex two-port (ABCD) arithmetic. Nothing when the
// frequency, the impedance or an element value is zero, negative or not
// finite, or when the arithmetic leaves no finite answer.
std::optional<LadderResponse> analyse(const Ladder& ladder, double frequencyMHz);

// Where the loss first reaches 3 dB: searched upward from fromMHz for a
// low-pass ladder, downward from toMHz for a high-pass one, then refined by
// bisection. Nothing when the loss never crosses 3 dB in the range, or
// already exceeds it where the search starts.
enum class PassBand { Low, High };
std::optional<double> frequencyAt3Db(const Ladder& ladder, PassBand band, double fromMHz, double toMHz);

}  // namespace ombrana
