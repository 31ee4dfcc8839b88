#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ombrana {

// The turns for an inductance on one core, as numbers.
struct ContoSpire {
    enum class Esito {
        Spire,        // spire holds the whole turns
        OltreLimite,  // the inductance is above the core's limit
        Nessuna,      // no AL (no core, or a core without data), or turns beyond 16 bits
    };
    Esito esito = Esito::Nessuna;
    int spire = 0;
};

// 100 x sqrt(L / AL), rounded once with halves to even, for the inductance in
// µH in single precision, the core's AL in µH per 100 turns and its limit in
// µH. An inductance strictly above the limit refuses the core, whatever the
// AL. A whole AL divides in single precision, a fractional one in double.
ContoSpire spireToroide(std::optional<double> al, float induttanzauH, std::optional<double> limite);

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
// spireToroide with the AL of the picker's text and the limit of the
// remembered core, the inductance read in single precision. A text that names
// no core with data gives no result rather than 0 turns.
EsitoSpire calcolaSpire(std::string_view picker, std::string_view induttanza, std::string_view nomeRicordato);

// The rounding and 16-bit range step alone: the whole number of turns, or
// nothing when it is out of range or not finite.
std::optional<int> spireIntere(double centesimi);

// The same step as the turns label shows it: the empty text for nothing.
std::string scriviSpire(double centesimi);

}  // namespace ombrana
