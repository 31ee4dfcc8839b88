#pragma once

#include <string>
#include <string_view>

namespace ombrana {

// Each input of the air-core coil is refused at 500 or more: the radius
// (half the diameter), the turns and the winding length.
inline constexpr float kLimiteBobinaAria = 500.0f;
inline constexpr double kMillimetriPerPollice = 25.4;

// Wheeler's formula for a single-layer coil, L = r^2 N^2 / (9 r + 10 l) in µH
// with the radius r and the winding length l in inches, here from the
// former's diameter and the length in millimetres. Diameter and length both
// 0 leave nothing to divide by: the result is then not finite.
double induttanzaBobinaAria(double diametroMm, double spire, double lunghezzaMm);

// The same formula solved for the turns, N = sqrt(L (9 r + 10 l)) / r, not
// rounded; not finite for a diameter of 0.
double spireBobinaAria(double diametroMm, double lunghezzaMm, double induttanzauH);

// What one press of "CALCOLA" in the air-core window leads to.
struct EsitoBobinaAria {
    enum class Campo { Nessuno, Diametro, Spire, Lunghezza };
    Campo svuota = Campo::Nessuno;  // the input refused and emptied, if any
    std::string risultato;          // the text of the result; empty empties it
};

// The air-core window's calculation: induttanzaBobinaAria truncated to two
// decimals. The inputs are read in single precision, an empty or unreadable
// one counting as 0. The range checks run silently in the order radius,
// turns, length, and only the first one out of range is emptied. A negative input or a
// zero denominator (diameter and length both 0) empties the result.
EsitoBobinaAria calcolaBobinaAria(std::string_view diametro, std::string_view spire, std::string_view lunghezza);

}  // namespace ombrana
