#include "app/core/Truncation.h"

#include "app/core/NumberText.h"

#include <cmath>

namespace ombrana {

double troncaDecimali(double x, int n) {
    const double scale = std::pow(10.0, n);
    // A step of 10^-n beyond the range of a double leaves nothing of any
    // finite number (and would otherwise divide zero by zero).
    if (scale == 0.0) return std::isfinite(x) ? 0.0 : x;
    const double m = arrotonda15Cifre(x * scale);
    if (!std::isfinite(m)) return x;  // NaN, infinities, or too large to have decimals
    const double cut = std::trunc(m) / scale;
    // Near the top of the range the rounded product, scaled back, may pass
    // it; such a number has no digits left to cut.
    if (!std::isfinite(cut)) return x;
    return cut == 0.0 ? 0.0 : cut;  // no negative zero
}

}  // namespace ombrana
