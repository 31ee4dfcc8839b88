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

// What leggiNumeroSingolo reads from the text that scriviNumero writes for
// value: value to 15 significant digits, then rounded once, from those
// digits, to single precision. Nothing for a negative value, a value that is
// not finite or one beyond single precision; a value below its range reads
// as 0.
std::optional<float> rilettoSingolo(double value);

// A number as its significant digits and the power of ten of the first one:
// 454.7 is {"4547", 2}, 0.056 is {"56", -2}, zero is {"0", 0}.
struct CifreDecimali {
    bool negativo = false;
    std::string cifre;  // no trailing zeros
    int esponente = 0;
};

// value to 15 significant digits. Zero of either sign has no sign. Nothing
// for a value that is not finite or whose 15 digits round beyond the largest
// double.
std::optional<CifreDecimali> cifre15(double value);

// The digits as plain decimal text with the comma and without an exponent:
// zeros filled in before the comma or after it, a minus sign in front of a
// negative number ({"4547", 2} gives "454,7", {"15", 5} "150000", {"56", -2}
// "0,056").
std::string scriviCifre(const CifreDecimali& numero);

}  // namespace ombrana
