#include "calculator/core/CalculatorText.h"

#include "app/core/NumberText.h"

#include <charconv>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace ombrana {
namespace {

constexpr std::size_t kMaxExponentDigits = 5;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<double> readCalculatorNumber(std::string_view text) {
    if (text == "-") return 0.0;

    std::size_t i = 0;
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) ++i;

    // Mantissa: digits with at most one comma, rewritten with a point so the
    // reading does not depend on the process locale.
    std::string ascii;
    bool comma = false;
    int wholeDigits = 0;        // digits before the comma
    int firstSignificant = -1;  // index among all mantissa digits
    int digitCount = 0;
    for (; i < text.size() && text[i] != 'E'; ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            if (c != '0' && firstSignificant < 0) firstSignificant = digitCount;
            ++digitCount;
            if (!comma) ++wholeDigits;
            ascii.push_back(c);
        } else if (c == ',' && !comma) {
            comma = true;
            ascii.push_back('.');
        } else {
            return std::nullopt;
        }
    }
    if (digitCount == 0) return std::nullopt;

    long exponent = 0;
    if (i < text.size()) {  // text[i] == 'E'
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
        const std::string_view digits = text.substr(i);
        if (digits.empty() || digits.size() > kMaxExponentDigits) return std::nullopt;
        for (char c : digits)
            if (!isDigit(c)) return std::nullopt;
        exponent = std::strtol(std::string(digits).c_str(), nullptr, 10);
        if (negativeExponent) exponent = -exponent;
        ascii += 'e' + std::to_string(exponent);
    }

    const double sign = negative ? -1.0 : 1.0;
    if (firstSignificant < 0) return sign * 0.0;

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // The decimal order of the first significant digit tells an overflow
        // from an underflow.
        const long order = wholeDigits - 1 - firstSignificant + exponent;
        return order > 0 ? sign * std::numeric_limits<double>::infinity() : sign * 0.0;
    }
    if (ec != std::errc{} || ptr != ascii.data() + ascii.size()) return std::nullopt;
    return sign * value;
}

std::optional<std::string> calculatorText(double value) {
    // Nothing for a value that is not finite or whose 15 digits would not
    // read back; the plain form up to 15 whole digits and four zeros after
    // the comma.
    const std::optional<CifreDecimali> number = cifre15(value);
    if (!number) return std::nullopt;
    const int exponent = number->esponente;
    if (exponent < 15 && exponent >= -5) return scriviCifre(*number);

    // Beyond that the digits stand as one whole digit and decimals, followed
    // by the power of ten in at least two digits: "-2,5E-07", "1E+15".
    CifreDecimali mantissa = *number;
    mantissa.esponente = 0;
    std::string power = std::to_string(exponent < 0 ? -exponent : exponent);
    if (power.size() < 2) power = "0" + power;
    return scriviCifre(mantissa) + (exponent < 0 ? "E-" : "E+") + power;
}

}  // namespace ombrana
