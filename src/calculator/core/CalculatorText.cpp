#include "calculator/core/CalculatorText.h"

#include <charconv>
#include <cmath>
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
    if (!std::isfinite(value)) return std::nullopt;
    if (value == 0.0) return "0";

    // Fifteen significant digits in exponent form give the digits and the
    // power of ten; the text is then laid out by hand.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    if (res.ec != std::errc{}) return std::nullopt;
    const std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));

    // The rounded digits may lie beyond the largest double (1,79769313486232E+308):
    // such a text could not be read back, so the value counts as an overflow.
    double check = 0.0;
    if (std::from_chars(s.data(), s.data() + s.size(), check).ec != std::errc{} || !std::isfinite(check))
        return std::nullopt;

    const bool negative = s.front() == '-';
    const std::size_t e = s.find('e');
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i)
        if (s[i] != '.') digits.push_back(s[i]);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int exponent = std::atoi(std::string(s.substr(e + 1)).c_str());

    std::string out;
    if (exponent >= 15 || exponent < -5) {
        out = digits.substr(0, 1);
        if (digits.size() > 1) out += "," + digits.substr(1);
        const int magnitude = exponent < 0 ? -exponent : exponent;
        std::string power = std::to_string(magnitude);
        if (power.size() < 2) power.insert(0, "0");
        out += (exponent < 0 ? "E-" : "E+") + power;
    } else if (exponent < 0) {
        out = "0," + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole)
            out = digits + std::string(whole - digits.size(), '0');
        else
            out = digits.substr(0, whole) + "," + digits.substr(whole);
    }
    return negative ? "-" + out : out;
}

}  // namespace ombrana
