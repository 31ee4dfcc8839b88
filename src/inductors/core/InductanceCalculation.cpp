#include "inductors/core/InductanceCalculation.h"

#include "app/core/NumberText.h"
#include "app/core/Truncation.h"
#include "inductors/core/NegativeText.h"

#include <cmath>

namespace ombrana {

EsitoInduttanza calcolaInduttanza(double k, std::string_view capacita, std::string_view frequenza) {
    using Azione = EsitoInduttanza::Azione;
    const EsitoInduttanza svuota{Azione::SvuotaRisultato, {}};

    const double k2 = std::pow(k, 2);
    if (frequenza.empty()) return svuota;
    // A pasted negative frequency is no frequency at all, not one out of range.
    if (eNumeroNegativo(frequenza)) return svuota;
    const auto f = leggiNumero(frequenza);
    if (!f || *f > kFrequenzaMassimaInduttanzaMHz) return {Azione::Allarme, {}};
    if (*f == 0.0) return svuota;

    const auto c = leggiNumero(capacita);
    if (!c || *c == 0.0) return svuota;

    const double f2 = std::pow(*f, 2);
    const double mezzaC = *c / 2;
    const double p = f2 * mezzaC;
    if (p == 0.0) return svuota;  // both inputs so small that the product vanishes
    const double l = k2 / p;
    if (!std::isfinite(l)) return svuota;
    return {Azione::MostraRisultato, scriviNumero(troncaDecimali(l, 2))};
}

}  // namespace ombrana
