#pragma once

#include "verifica/core/LadderAnalysis.h"

#include <optional>
#include <string>
#include <vector>

namespace ombrana {

// One frequency of the response, as designed and as built. A figure the
// analysis could not give is NaN here and is left blank in the text.
struct ResponsePoint {
    double frequencyMHz;
    double lossDesignedDb;
    double lossBuiltDb;
    double swrBuilt;
};

inline constexpr int kResponsePoints = 401;

// Where the response is shown: from a tenth to ten times the cut-off.
FrequencySpan responseSpan(double cutoffMHz);

// kResponsePoints frequencies in equal ratios over the response span, both
// ladders analysed at each; without a built ladder its figures are NaN.
std::vector<ResponsePoint> responseCurve(const Ladder& designed, const std::optional<Ladder>& built, double cutoffMHz);

// The curve as text for a spreadsheet: a head row, then one row per point,
// semicolons between the fields and the decimal comma.
std::string responseCsv(const std::vector<ResponsePoint>& points);

}  // namespace ombrana
