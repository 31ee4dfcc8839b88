#include "verifica/core/ResponseCurve.h"

#include "app/core/NumberText.h"
#include "verifica/core/LadderMaths.h"

#include <cmath>
#include <limits>

namespace ombrana {

namespace {

// The span's ends from the cut-off.
constexpr double kSpanDecade = 10;

}  // namespace

FrequencySpan responseSpan(double cutoffMHz) {
    return {.fromMHz = cutoffMHz / kSpanDecade, .toMHz = cutoffMHz * kSpanDecade};
}

std::vector<ResponsePoint> responseCurve(const Ladder& designed, const std::optional<Ladder>& built, double cutoffMHz) {
    std::vector<ResponsePoint> points;
    if (!positive(cutoffMHz)) return points;
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    const FrequencySpan span = responseSpan(cutoffMHz);
    points.reserve(kResponsePoints);
    for (int i = 0; i < kResponsePoints; ++i) {
        const double f =
            span.fromMHz * std::pow(span.toMHz / span.fromMHz, static_cast<double>(i) / (kResponsePoints - 1));
        const auto d = analyse(designed, f);
        const auto b = built ? analyse(*built, f) : std::nullopt;
        points.push_back({.frequencyMHz = f,
                          .lossDesignedDb = d ? d->insertionLossDb : kNone,
                          .lossBuiltDb = b ? b->insertionLossDb : kNone,
                          .swrBuilt = b ? b->swr : kNone});
    }
    return points;
}

std::string responseCsv(const std::vector<ResponsePoint>& points) {
    std::string text = "Frequenza MHz;Perdita di progetto dB;Perdita costruito dB;ROS costruito\r\n";
    for (const ResponsePoint& p : points) {
        // scriviNumero leaves NaN blank.
        text += scriviNumero(p.frequencyMHz) + ';' + scriviNumero(p.lossDesignedDb) + ';' +
                scriviNumero(p.lossBuiltDb) + ';' + scriviNumero(p.swrBuilt) + "\r\n";
    }
    return text;
}

}  // namespace ombrana
