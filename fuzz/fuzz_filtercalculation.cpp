// The filter windows' "CALCOLA" on any pair of field texts, for every cell:
// the results are both empty or both well-formed numbers, the alert comes
// only for a readable frequency above 300 MHz.
#include "app/core/NumberText.h"
#include "filters/core/FilterCalculation.h"
#include "fuzz/FuzzChecks.h"

using namespace ombrana;
using namespace ombrana::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [frequenza, impedenza] = campi<2>(data, size);
    for (TipoCella tipo :
         {TipoCella::PassaBassoPiGreco, TipoCella::PassaAltoPiGreco, TipoCella::PassaBassoT, TipoCella::PassaAltoT}) {
        const EsitoFiltro e = calcolaFiltro(tipo, frequenza, impedenza);
        using Azione = EsitoFiltro::Azione;
        switch (e.azione) {
            case Azione::MostraRisultati:
                verifica(eNumeroScritto(e.c1) && e.c1.front() != '-', "C1 malformed", e.c1);
                verifica(eNumeroScritto(e.l1) && e.l1.front() != '-', "L1 malformed", e.l1);
                break;
            case Azione::Allarme: {
                const auto f = leggiNumero(frequenza);
                verifica(f && *f > kFrequenzaMassimaMHz, "alert without a frequency above 300", frequenza);
                verifica(e.c1.empty() && e.l1.empty(), "alert with results", e.c1);
                break;
            }
            case Azione::SvuotaRisultati:
                verifica(e.c1.empty() && e.l1.empty(), "results to empty but texts given", e.c1 + "|" + e.l1);
                break;
        }
    }
    return 0;
}
