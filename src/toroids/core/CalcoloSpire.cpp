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

std::string scriviSpire(double centesimi) {
    if (!std::isfinite(centesimi)) return {};
    // Under the default rounding mode nearbyint sends exact halves to the
    // even neighbour.
    const double n = std::nearbyint(centesimi);
    if (n < std::numeric_limits<short>::min() || n > std::numeric_limits<short>::max()) return {};
    return std::to_string(static_cast<int>(n));
}

EsitoSpire calcolaSpire(std::string_view picker, std::string_view induttanza, std::string_view nomeRicordato) {
    EsitoSpire esito;
    // Signs are not part of a number here, so a pasted negative value is as
    // unreadable as any other text.
    const std::optional<float> l = leggiNumeroSingolo(induttanza);
    if (!l) return esito;

    std::string_view ricerca;
    std::string_view ricordato = nomeRicordato;
    if (!picker.empty()) {
        esito.nomeRicordato = std::string(picker);
        ricerca = picker;
        ricordato = picker;
    }
    const std::optional<double> al = fattoreAL(ricerca);

    if (const std::optional<double> limite = limiteInduttanza(ricordato); limite && static_cast<double>(*l) > *limite) {
        esito.azione = EsitoSpire::Azione::Allarme;
        return esito;
    }

    esito.azione = EsitoSpire::Azione::Risultato;
    if (!al || *al == 0.0) return esito;  // no core with data: no turns to show

    const double s = std::sqrt(quoziente(*l, *al));
    esito.risultato = scriviSpire(s * 100.0);
    return esito;
}

}  // namespace ombrana
