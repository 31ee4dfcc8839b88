#pragma once

namespace ombrana {

// Cuts x to n decimals, never rounding up: x * 10^n is first taken at 15
// significant digits, so that a product that floating point leaves just
// below a whole number (1430.9999999999998) counts as that number (1431).
// Works in floating point throughout, so any double is safe: NaN and the
// infinities come back unchanged.
double troncaDecimali(double x, int n);

}  // namespace ombrana
