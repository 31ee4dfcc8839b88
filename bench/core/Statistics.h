#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ombrana::bench {

// The median of the samples (the mean of the two middle ones for an even
// count); nothing for no samples.
std::optional<double> mediana(std::vector<double> samples);

// The least-squares slope of samples taken one step apart (change per
// step): 0 for a plateau, the rate for a steady growth; nothing for fewer
// than two samples.
std::optional<double> pendenza(const std::vector<double>& samples);

// ours / theirs, or nothing when either is missing or the reference is not
// positive.
std::optional<double> rapporto(std::optional<double> ours, std::optional<double> theirs);

// A figure with a fixed number of decimals and its unit ("12.34 ms"); "-"
// when it is missing.
std::string cifra(std::optional<double> value, int decimals, const std::string& unit);

// A ratio as "1.23x", or "-".
std::string cifraRapporto(std::optional<double> ratio);

}  // namespace ombrana::bench
