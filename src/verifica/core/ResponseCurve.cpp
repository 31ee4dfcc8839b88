#include "verifica/core/ResponseCurve.h"

#include "app/core/NumberText.h"

#include <cmath>
#include <limits>

namespace ombrana {

std::vector<ResponsePoint> responseCurve(const Ladder& designed, const Ladder& built, double cutoffMHz) {
    std::vector<ResponsePoint> points;
    if (!std::isfinite(cutoffMHz) || cutoffMHz <= 0) return points;
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    const double from = cutoffMHz / 10;
    points.reserve(kResponsePoints);
    for (int i = 0; i < kResponsePoints; ++i) {
        const double f = from * std::pow(100.0, static_cast<double>(i) / (kResponsePoints - 1));
        const auto d = analyse(designed, f);
        const auto b = analyse(built, f);
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
