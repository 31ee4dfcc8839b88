#include "toroids/core/CalcoloSpire.h"

#include "app/core/NumberText.h"
#include "toroids/core/CatalogoToroidi.h"

#include <cmath>
#include <limits>

namespace ombrana {

namespace {

bool intero(double al) {
    return std::floor(al) == al;
}

// L / AL: with a whole AL the quotient is formed in single precision, with
// one of the fractional mix-0 values in double.
double quoziente(float l, double al) {
    if (intero(al)) return static_cast<double>(l / static_cast<float>(al));
    return static_cast<double>(l) / al;
}

}  // namespace

std::optional<int> spireIntere(double centesimi) {
    if (!std::isfinite(centesimi)) return std::nullopt;
    // Under the default rounding mode nearbyint sends exact halves to the
    // even neighbour.
    const double n = std::nearbyint(centesimi);
    if (n < std::numeric_limits<short>::min() || n > std::numeric_limits<short>::max()) return std::nullopt;
    return static_cast<int>(n);
}

std::string scriviSpire(double centesimi) {
    const std::optional<int> n = spireIntere(centesimi);
    return n ? std::to_string(*n) : std::string();
}

ContoSpire spireToroide(std::optional<double> al, float induttanzauH, std::optional<double> limite) {
    using Esito = ContoSpire::Esito;
    if (limite && static_cast<double>(induttanzauH) > *limite) return {Esito::OltreLimite};
    if (!al || *al == 0.0) return {Esito::Nessuna};
    const std::optional<int> n = spireIntere(std::sqrt(quoziente(induttanzauH, *al)) * 100.0);
    if (!n) return {Esito::Nessuna};
    return {Esito::Spire, *n};
}

EsitoSpire calcolaSpire(std::string_view picker, std::string_view induttanza, std::string_view nomeRicordato) {
    EsitoSpire esito;
    // Signs are not part of a number here, so a pasted negative value is as
    // unreadable as any other text.
    const std::optional<float> l = leggiNumeroSingolo(induttanza);
    if (!l) return esito;

    // A picker text replaces the remembered name; an emptied picker finds no
    // AL but leaves the earlier core's limit in force.
    std::string_view ricerca;
    std::string_view ricordato = nomeRicordato;
    if (!picker.empty()) {
        esito.nomeRicordato = std::string(picker);
        ricerca = picker;
        ricordato = picker;
    }

    const ContoSpire conto = spireToroide(fattoreAL(ricerca), *l, limiteInduttanza(ricordato));
    switch (conto.esito) {
        case ContoSpire::Esito::OltreLimite: esito.azione = EsitoSpire::Azione::Allarme; break;
        case ContoSpire::Esito::Spire:
            esito.azione = EsitoSpire::Azione::Risultato;
            esito.risultato = std::to_string(conto.spire);
            break;
        case ContoSpire::Esito::Nessuna: esito.azione = EsitoSpire::Azione::Risultato; break;
    }
    return esito;
}

}  // namespace ombrana
