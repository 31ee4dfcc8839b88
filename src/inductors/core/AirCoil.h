#pragma once

#include <string>
#include <string_view>

namespace ombrana {

// Each input of the air-core coil is refused at 500 or more: the radius
// (half the diameter), the turns and the winding length.
inline constexpr float kLimiteBobinaAria = 500.0f;
inline constexpr double kMillimetriPerPollice = 25.4;

// What one press of "CALCOLA" in the air-core window leads to.
struct EsitoBobinaAria {
    enum class Campo { Nessuno, Diametro, Spire, Lunghezza };
    Campo svuota = Campo::Nessuno;  // the input refused and emptied, if any
    std::string risultato;          // the text of the result; empty empties it
};

// Wheeler's formula for a single-layer coil, L = r^2 N^2 / (9 r + 10 l) in
// inches, from the diameter and length in millimetres and the turns. The
// inputs are read in single precision, an empty or unreadable one counting
// as 0. The range checks run silently in the order radius, turns, length,
// and only the first one out of range is emptied. A negative input or a
// zero denominator (diameter and length both 0) empties the result.
EsitoBobinaAria calcolaBobinaAria(std::string_view diametro, std::string_view spire, std::string_view lunghezza);

}  // namespace ombrana
