#include "filters/core/FilterCalculation.h"

#include "app/core/NumberText.h"

namespace ombrana {

EsitoFiltro calcolaFiltro(TipoCella tipo, std::string_view frequenza, std::string_view impedenza) {
    using Azione = EsitoFiltro::Azione;
    const auto f = leggiNumero(frequenza);
    if (!f || impedenza.empty()) return {Azione::SvuotaRisultati, {}, {}};
    if (*f > kFrequenzaMassimaMHz) return {Azione::Allarme, {}, {}};
    const auto z = leggiNumero(impedenza);
    if (!z) return {Azione::SvuotaRisultati, {}, {}};
    const auto cella = calcolaCella(costantiCella(tipo), *f, *z);
    if (!cella) return {Azione::SvuotaRisultati, {}, {}};
    return {Azione::MostraRisultati, scriviNumero(cella->c1Pf), scriviNumero(cella->l1uH),
            ComputedCell{.frequencyMHz = *f, .impedanceOhm = *z, .shown = *cella}};
}

}  // namespace ombrana
