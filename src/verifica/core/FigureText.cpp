#include "verifica/core/FigureText.h"

#include "app/core/NumberText.h"

#include <algorithm>
#include <cmath>

namespace ombrana {
namespace {

constexpr double kSwrShown = 99;

}  // namespace

std::string figureText(std::optional<double> value, int decimals) {
    if (!value || !std::isfinite(*value)) return {};
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(*value * scale) / scale;
    if (!std::isfinite(rounded)) return scriviNumero(*value);
    return scriviNumero(rounded == 0.0 ? 0.0 : rounded);
}

std::string significantText(std::optional<double> value, int digits) {
    if (!value || !std::isfinite(*value)) return {};
    if (*value == 0) return "0";
    const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(*value))));
    return figureText(value, std::max(0, digits - 1 - magnitude));
}

std::string pfText(double pf) {
    return figureText(pf, 2) + " pF";
}

std::string uhText(double uh) {
    return figureText(uh, 3) + " \u00b5H";
}

std::string mhzText(double mhz) {
    return figureText(mhz, 3) + " MHz";
}

std::string swrText(std::optional<double> swr) {
    if (swr && *swr > kSwrShown) return "> 99";
    return figureText(swr, 2);
}

}  // namespace ombrana
