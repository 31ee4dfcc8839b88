#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ombrana {

// What one press of "CALCOLA" in the toroid window leads to.
struct EsitoSpire {
    enum class Azione {
        Niente,     // the inductance does not read as a number: nothing changes
        Allarme,    // above the remembered core's limit: the window's alert
        Risultato,  // risultato holds the text for the turns label (maybe empty)
    };
    Azione azione = Azione::Niente;
    std::optional<std::string> nomeRicordato;  // new content of the remembered core name
    std::string risultato;
};

// The turns for a wanted inductance, from the picker's text, the inductance
// field's text and the name of the core remembered from earlier presses:
// 100 x sqrt(L / AL), rounded once, halves to even. The inductance is read in
// single precision and checked against the remembered core's limit. A text
// that names no core with data gives no result rather than 0 turns.
EsitoSpire calcolaSpire(std::string_view picker, std::string_view induttanza, std::string_view nomeRicordato);

// The rounding and 16-bit range step alone: the whole number of turns as
// text, or the empty text when it is out of range or not finite.
std::string scriviSpire(double centesimi);

}  // namespace ombrana
