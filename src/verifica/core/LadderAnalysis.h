#pragma once

#include "app/core/Ladder.h"
#include "app/core/TipoCella.h"

#include <optional>

namespace ombrana {

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

// A range of frequencies, both ends included.
struct FrequencySpan {
    double fromMHz;
    double toMHz;
};

// Exact analysis with complex two-port (ABCD) arithmetic. Nothing when the
// frequency, the impedance or an element value is zero, negative or not
// finite, or when the arithmetic leaves no finite answer.
std::optional<LadderResponse> analyse(const Ladder& ladder, double frequencyMHz);

// The loss and the SWR alone; nothing where analyse() gives nothing.
std::optional<double> lossAt(const Ladder& ladder, double frequencyMHz);
std::optional<double> swrAt(const Ladder& ladder, double frequencyMHz);

// The "-3 dB" point, where the loss first reaches half the power
// (kHalfPowerDb): searched upward from fromMHz for a low-pass ladder,
// downward from toMHz for a high-pass one, then refined. Nothing when the
// loss never crosses it in the range, or already exceeds it where the
// search starts.
enum class PassBand { Low, High };
inline PassBand passBandOf(TipoCella kind) {
    return passaBasso(kind) ? PassBand::Low : PassBand::High;
}
std::optional<double> frequencyAt3Db(const Ladder& ladder, PassBand band, double fromMHz, double toMHz);

// The highest SWR at the input from fromMHz to toMHz, and where: sampled
// evenly in frequency for a low-pass ladder and in its inverse for a
// high-pass one (the spacing of a ripple follows the prototype's frequency),
// at least 50 samples per element, every local peak then refined by
// Brent's search. Nothing when the ladder cannot be analysed there.
struct SwrPeak {
    double swr;
    double frequencyMHz;
};
std::optional<SwrPeak> highestSwr(const Ladder& ladder, PassBand band, double fromMHz, double toMHz);

}  // namespace ombrana
