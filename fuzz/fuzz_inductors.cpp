// The inductor windows' "CALCOLA" on any field texts: the inductance for a
// standard capacitance (both constants) and the air-core coil. A result is
// empty or a well-formed number; the alert comes only for a frequency that
// is unreadable or above 300 MHz; the coil empties at most the one input
// that is out of range.
#include "app/core/NumberText.h"
#include "fuzz/FuzzChecks.h"
#include "inductors/core/AirCoil.h"
#include "inductors/core/InductanceCalculation.h"
#include "inductors/core/NegativeText.h"

using namespace ombrana;
using namespace ombrana::fuzz;

namespace {

void provaInduttanza(double k, std::string_view capacita, std::string_view frequenza) {
    const EsitoInduttanza e = calcolaInduttanza(k, capacita, frequenza);
    using Azione = EsitoInduttanza::Azione;
    switch (e.azione) {
        case Azione::MostraRisultato: verifica(eNumeroScritto(e.testo), "inductance malformed", e.testo); break;
        case Azione::Allarme: {
            const auto f = leggiNumero(frequenza);
            verifica(!frequenza.empty() && (!f || *f > kFrequenzaMassimaInduttanzaMHz),
                     "alert for a readable frequency up to 300", frequenza);
            verifica(e.testo.empty(), "alert with a result", e.testo);
            break;
        }
        case Azione::SvuotaRisultato: verifica(e.testo.empty(), "result to empty but text given", e.testo); break;
    }
}

void provaBobina(std::string_view d, std::string_view n, std::string_view l) {
    const EsitoBobinaAria e = calcolaBobinaAria(d, n, l);
    if (!e.risultato.empty()) verifica(eNumeroScritto(e.risultato), "coil inductance malformed", e.risultato);
    if (e.svuota != EsitoBobinaAria::Campo::Nessuno)
        verifica(e.risultato.empty(), "an input refused but a result shown", e.risultato);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [a, b, c] = campi<3>(data, size);
    provaInduttanza(kCostanteInduttanza, a, b);
    provaInduttanza(kCostanteInduttanza2, a, b);
    provaBobina(a, b, c);
    if (eNumeroNegativo(a)) verifica(!leggiNumero(a).has_value(), "a negative text reads as a number", a);
    return 0;
}
