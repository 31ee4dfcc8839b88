#include "bench/core/Statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace ombrana::bench {

std::optional<double> mediana(std::vector<double> samples) {
    if (samples.empty()) return std::nullopt;
    const std::size_t mid = samples.size() / 2;
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(mid), samples.end());
    const double upper = samples[mid];
    if (samples.size() % 2 == 1) return upper;
    const double lower = *std::max_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(mid));
    return (lower + upper) / 2.0;
}

std::optional<double> pendenza(const std::vector<double>& samples) {
    const std::size_t n = samples.size();
    if (n < 2) return std::nullopt;
    const double meanX = static_cast<double>(n - 1) / 2.0;
    double meanY = 0;
    for (const double y : samples) meanY += y / static_cast<double>(n);
    double covariance = 0, variance = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double dx = static_cast<double>(i) - meanX;
        covariance += dx * (samples[i] - meanY);
        variance += dx * dx;
    }
    return covariance / variance;
}

std::optional<double> rapporto(std::optional<double> ours, std::optional<double> theirs) {
    if (!ours || !theirs || !(*theirs > 0.0) || !std::isfinite(*ours)) return std::nullopt;
    return *ours / *theirs;
}

std::string cifra(std::optional<double> value, int decimals, const std::string& unit) {
    if (!value || !std::isfinite(*value)) return "-";
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, *value);
    return unit.empty() ? std::string(text) : std::string(text) + " " + unit;
}

std::string cifraRapporto(std::optional<double> ratio) {
    if (!ratio || !std::isfinite(*ratio)) return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.2fx", *ratio);
    return text;
}

}  // namespace ombrana::bench
