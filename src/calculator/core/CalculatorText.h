#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ombrana {

// What the display shows after a result beyond the range of a double: never
// "inf" or "nan". The next digit, decimal, "C" or "CE" starts afresh.
inline constexpr std::string_view kCalculatorErrorText = "E";

// Reads a display text: an optional leading minus, digits with at most one
// comma (a trailing comma is allowed: "12," reads as 12), and optionally an
// exponent as the calculator writes it ("1,5E+20"). A lone "-" (a sign typed
// before any digit) reads as zero. A text beyond the range of a double reads
// as an infinity of its sign, so that the arithmetic reports the overflow;
// one too small for a double reads as zero. Anything else is not a number.
std::optional<double> readCalculatorNumber(std::string_view text);

// Writes a result: decimal comma, at most 15 significant digits, no trailing
// zeros and no trailing comma. The plain form is kept while the decimal
// exponent lies between -5 and 14 (the value has at most 15 whole digits and
// at most four zeros after the comma before its first significant digit);
// beyond that the exponent form is used: "1,5E+20", "-2E-07". Zero (of either
// sign) is "0". A value that cannot be shown (infinite, nan, or one whose 15
// digits round beyond the largest double) gives nothing.
std::optional<std::string> calculatorText(double value);

}  // namespace ombrana
