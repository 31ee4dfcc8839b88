#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

// Shared pieces of the fuzzers: splitting the input into field texts and the
// checks whose failure stops the run with a readable reason.
namespace ombrana::fuzz {

// Stops the fuzzer with the reason; libFuzzer then saves the input.
[[noreturn]] inline void fallisci(const char* perche, std::string_view dettaglio = {}) {
    std::fprintf(stderr, "FUZZ CHECK FAILED: %s [%.*s]\n", perche, static_cast<int>(dettaglio.size()),
                 dettaglio.data());
    std::abort();
}

inline void verifica(bool condizione, const char* perche, std::string_view dettaglio = {}) {
    if (!condizione) fallisci(perche, dettaglio);
}

// The input as field texts, separated by newlines (which no field can
// hold as a number anyway). Missing fields are empty.
template <std::size_t N>
std::array<std::string_view, N> campi(const std::uint8_t* data, std::size_t size) {
    std::array<std::string_view, N> out{};
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (std::size_t i = 0; i < N; ++i) {
        const auto nl = rest.find('\n');
        if (i + 1 == N || nl == std::string_view::npos) {
            out[i] = rest;
            break;
        }
        out[i] = rest.substr(0, nl);
        rest.remove_prefix(nl + 1);
    }
    return out;
}

// A decimal as a label may show it: an optional minus, digits, and at
// most one comma followed by digits.
inline bool eDecimaleBenFormato(std::string_view s) {
    if (!s.empty() && s.front() == '-') s.remove_prefix(1);
    const auto comma = s.find(',');
    const std::string_view whole = s.substr(0, comma);
    auto soloCifre = [](std::string_view t) {
        if (t.empty()) return false;
        for (char c : t)
            if (c < '0' || c > '9') return false;
        return true;
    };
    if (!soloCifre(whole)) return false;
    return comma == std::string_view::npos || soloCifre(s.substr(comma + 1));
}

// Stricter: the form the number writer promises. No leading zeros, no
// trailing zeros after the comma, at most 15 significant digits, never "-0".
inline bool eNumeroScritto(std::string_view s) {
    if (!eDecimaleBenFormato(s)) return false;
    const bool negativo = s.front() == '-';
    if (negativo) s.remove_prefix(1);
    if (s == "0") return !negativo;
    const auto comma = s.find(',');
    const std::string_view whole = s.substr(0, comma);
    if (whole.size() > 1 && whole.front() == '0') return false;
    if (comma != std::string_view::npos && s.back() == '0') return false;
    std::string cifre;
    for (char c : s)
        if (c != ',') cifre.push_back(c);
    const auto primo = cifre.find_first_not_of('0');
    if (primo == std::string::npos) return false;
    const auto ultimo = cifre.find_last_not_of('0');
    return ultimo - primo + 1 <= 15;
}

}  // namespace ombrana::fuzz
