#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ombrana {

// Numbers as the user types and reads them: decimal comma, no thousands
// separator, no sign, no exponent. "7", "14,2" and ",5" are numbers; the
// empty text, a lone comma, two commas, blanks, a minus sign or a value
// beyond the range of the type are not.
std::optional<double> leggiNumero(std::string_view text);

// The same text read straight into single precision, as the coil and toroid
// calculations read their inputs (no detour through double).
std::optional<float> leggiNumeroSingolo(std::string_view text);

// Plain decimal text with the comma: at most 15 significant digits, no
// trailing zeros, no exponent, "0" for zero (never "-0"). A non-finite value
// gives the empty text, so it can never reach a label as "inf" or "nan".
std::string scriviNumero(double value);

// Rounds to 15 significant digits, the precision with which numbers are
// written as text. Non-finite values come back unchanged.
double arrotonda15Cifre(double value);

}  // namespace ombrana
