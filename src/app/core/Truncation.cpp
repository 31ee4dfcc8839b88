#include "Truncation.h"

#include "NumberText.h"

#include <cmath>

namespace ombrana {

double troncaDecimali(double x, int n) {
    const double scale = std::pow(10.0, n);
    const double m = arrotonda15Cifre(x * scale);
    if (!std::isfinite(m)) return x;  // NaN, infinities, or too large to have decimals
    const double cut = std::trunc(m) / scale;
    return cut == 0.0 ? 0.0 : cut;  // no negative zero
}

}  // namespace ombrana
