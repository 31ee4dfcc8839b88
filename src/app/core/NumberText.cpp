#include "app/core/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace ombrana {
namespace {

// Checks the shape (digits with at most one comma, at least one digit) and
// returns the same text with a point, ready for from_chars.
std::optional<std::string> conPunto(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 1);
    bool comma = false;
    bool digit = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
            out.push_back(c);
        } else if (c == ',' && !comma) {
            comma = true;
            out.push_back('.');
        } else {
            return std::nullopt;
        }
    }
    if (!digit) return std::nullopt;
    return out;
}

// True when the whole part of a well-shaped text has a digit other than 0:
// an out-of-range reading of such a text is an overflow, otherwise it is an
// underflow, which reads as zero.
bool parteInteraNonNulla(const std::string& s) {
    for (char c : s) {
        if (c == '.') return false;
        if (c != '0') return true;
    }
    return false;
}

template <typename T>
std::optional<T> leggi(std::string_view text) {
    const auto s = conPunto(text);
    if (!s) return std::nullopt;
    T value{};
    const char* first = s->data();
    const char* last = first + s->size();
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        if (parteInteraNonNulla(*s)) return std::nullopt;
        return T{0};
    }
    if (ec != std::errc{} || ptr != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

// value in exponent form with 15 significant digits, "d.dddddddddddddde±x".
// to_chars ignores the process locale, which Qt sets from the environment:
// an Italian desktop must not put a comma into these digits.
std::string esponenziale15(double value) {
    char buf[40];
    const auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14).ptr;
    return std::string(buf, end);
}

}  // namespace

std::optional<double> leggiNumero(std::string_view text) {
    return leggi<double>(text);
}

std::optional<float> leggiNumeroSingolo(std::string_view text) {
    return leggi<float>(text);
}

double arrotonda15Cifre(double value) {
    if (!std::isfinite(value) || value == 0.0) return value;
    const std::string s = esponenziale15(value);
    double rounded = 0.0;
    const auto read = std::from_chars(s.data(), s.data() + s.size(), rounded);
    // Near the top of the range the nearest 15-digit number lies beyond it;
    // the one below is then taken, so a finite value stays finite and its
    // text reads back.
    if (read.ec == std::errc::result_out_of_range || std::isinf(rounded))
        return std::copysign(1.79769313486231e308, value);
    return rounded;
}

std::optional<float> rilettoSingolo(double value) {
    if (!std::isfinite(value) || value < 0.0) return std::nullopt;
    if (value == 0.0) return 0.0f;
    // The 15 digits go to single precision straight, as the typed text does:
    // through a double they could land on a tie between two floats that the
    // digits themselves do not sit on.
    const std::string s = esponenziale15(arrotonda15Cifre(value));
    float single = 0.0f;
    const auto read = std::from_chars(s.data(), s.data() + s.size(), single, std::chars_format::scientific);
    if (read.ec == std::errc::result_out_of_range) {
        if (value > 1.0) return std::nullopt;
        return 0.0f;
    }
    if (read.ec != std::errc{} || !std::isfinite(single)) return std::nullopt;
    return single;
}

std::optional<CifreDecimali> cifre15(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    if (value == 0.0) return CifreDecimali{.cifre = "0"};
    const std::string s = esponenziale15(value);
    // The rounded digits may lie beyond the largest double: such a text would
    // not read back.
    double check = 0.0;
    const auto read = std::from_chars(s.data(), s.data() + s.size(), check);
    if (read.ec != std::errc{} || !std::isfinite(check)) return std::nullopt;

    CifreDecimali c;
    c.negativo = s.front() == '-';
    const auto e = s.find('e');
    for (std::size_t i = c.negativo ? 1 : 0; i < e; ++i)
        if (s[i] != '.') c.cifre.push_back(s[i]);
    while (c.cifre.size() > 1 && c.cifre.back() == '0') c.cifre.pop_back();
    c.esponente = std::atoi(s.c_str() + e + 1);
    return c;
}

std::string scriviCifre(const CifreDecimali& numero) {
    const std::string& digits = numero.cifre;
    std::string out;
    if (numero.esponente < 0) {
        out = "0," + std::string(static_cast<std::size_t>(-numero.esponente - 1), '0') + digits;
    } else {
        const auto whole = static_cast<std::size_t>(numero.esponente) + 1;
        if (digits.size() <= whole)
            out = digits + std::string(whole - digits.size(), '0');
        else
            out = digits.substr(0, whole) + "," + digits.substr(whole);
    }
    return numero.negativo ? "-" + out : out;
}

std::string scriviNumero(double value) {
    // Rounded first, so that the largest doubles keep 15 digits that read back.
    const std::optional<CifreDecimali> c = cifre15(arrotonda15Cifre(value));
    return c ? scriviCifre(*c) : std::string();
}

}  // namespace ombrana
