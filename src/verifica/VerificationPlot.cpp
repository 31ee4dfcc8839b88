#include "verifica/VerificationPlot.h"

#include "app/DesignLook.h"

#include <cmath>

namespace ombrana {
namespace {

constexpr int kCurveDesigned = design::kDarkBlue;
constexpr int kCurveBuilt = design::kRed;

std::vector<PlotMarker> markersOf(TipoCella kind, const VerificationResult& r) {
    if (!r.operatingMHz || !r.harmonic2MHz || !r.harmonic3MHz) return {};
    const bool low = passaBasso(kind);
    return {{*r.operatingMHz, QStringLiteral("f")},
            {*r.harmonic2MHz, low ? QStringLiteral("2f") : QStringLiteral("f/2")},
            {*r.harmonic3MHz, low ? QStringLiteral("3f") : QStringLiteral("f/3")}};
}

}  // namespace

PlotData verificationPlot(const VerificationInput& in, const VerificationResult& r,
                          const std::vector<ResponsePoint>& curve) {
    const FrequencySpan span = responseSpan(r.designCutoffMHz.value_or(in.cutoffMHz));
    PlotData plot{.fromMHz = span.fromMHz, .toMHz = span.toMHz, .curves = {}, .markers = markersOf(in.kind, r)};
    PlotCurve designed{.label = QStringLiteral("Progetto"), .colour = design::colour(kCurveDesigned), .points = {}};
    PlotCurve built{.label = QStringLiteral("Costruito"), .colour = design::colour(kCurveBuilt), .points = {}};
    for (const ResponsePoint& p : curve) {
        if (std::isfinite(p.lossDesignedDb)) designed.points.emplace_back(p.frequencyMHz, p.lossDesignedDb);
        if (std::isfinite(p.lossBuiltDb)) built.points.emplace_back(p.frequencyMHz, p.lossBuiltDb);
    }
    if (!designed.points.empty()) plot.curves.push_back(std::move(designed));
    if (!built.points.empty()) plot.curves.push_back(std::move(built));
    return plot;
}

}  // namespace ombrana
