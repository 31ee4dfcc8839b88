#pragma once

#include <string>
#include <string_view>

namespace ombrana {

// The constant K of L = K^2 / (f^2 * C/2), with L in uH, C in pF and f in MHz:
// 1000/(4 pi) for the high-pass cells, 1000/(2 pi) for the low-pass cells,
// both kept as the three-decimal literals the results are built on.
inline constexpr double kCostanteInduttanza = 79.577;    // high-pass window
inline constexpr double kCostanteInduttanza2 = 159.155;  // low-pass window

inline constexpr double kFrequenzaMassimaInduttanzaMHz = 300.0;

// What one press of "CALCOLA" in an inductance window leads to.
struct EsitoInduttanza {
    enum class Azione {
        SvuotaRisultato,  // the result is emptied, nothing else
        Allarme,          // the window's alert: frequency above 300 MHz or unreadable
        MostraRisultato,  // testo holds the inductance to show
    };
    Azione azione;
    std::string testo;
};

// The steps of "CALCOLA" on the capacitance and frequency texts, in order:
// an empty frequency empties the result; a negative one empties it too; an
// unreadable one or one above 300 raises the alert; then L = K^2 / (f^2 * C/2)
// truncated to two decimals. A frequency of 0 or a capacitance that is
// empty, unreadable, negative or 0 would divide by zero and empties the
// result instead of showing a number.
EsitoInduttanza calcolaInduttanza(double k, std::string_view capacita, std::string_view frequenza);

}  // namespace ombrana
