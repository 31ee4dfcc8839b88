#include "bench/core/ReportTable.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ombrana::bench {
namespace {

// Columns are padded by characters as shown, so multi-byte UTF-8 sequences
// count once.
std::size_t larghezza(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::array<const std::string*, 6> celle(const Riga& r) {
    return {&r.misura, &r.nostro, &r.nudo, &r.rapporto, &r.obiettivo, &r.esito};
}

}  // namespace

std::string esito(std::optional<double> value, double limit) {
    if (!value || !std::isfinite(*value)) return "-";
    return *value <= limit ? "si" : "NO";
}

std::string impagina(const std::vector<Riga>& rows) {
    const Riga header{"Misura", "Ombrana", "Qt nudo", "Rapporto", "Obiettivo", "Esito"};
    std::array<std::size_t, 6> widths{};
    const auto widen = [&](const Riga& r) {
        const auto c = celle(r);
        for (std::size_t i = 0; i < c.size(); ++i) widths[i] = std::max(widths[i], larghezza(*c[i]));
    };
    widen(header);
    for (const Riga& r : rows) widen(r);
    const auto line = [&](const Riga& r) {
        std::string out = "|";
        const auto c = celle(r);
        for (std::size_t i = 0; i < c.size(); ++i)
            out += " " + *c[i] + std::string(widths[i] - larghezza(*c[i]), ' ') + " |";
        return out + "\n";
    };
    std::string out = line(header) + "|";
    for (std::size_t w : widths) out += std::string(w + 2, '-') + "|";
    out += "\n";
    for (const Riga& r : rows) out += line(r);
    return out;
}

}  // namespace ombrana::bench
