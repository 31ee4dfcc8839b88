// The toroid lookups and turns on any picker text, inductance text and
// remembered name: AL is finite and not negative, a limit belongs only to a
// core of the picker list, the turns are empty or a whole number in the
// 16-bit range, and the alert comes only above the remembered core's limit.
#include "app/core/NumberText.h"
#include "fuzz/FuzzChecks.h"
#include "toroids/core/CalcoloSpire.h"
#include "toroids/core/CatalogoToroidi.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

using namespace ombrana;
using namespace ombrana::fuzz;

namespace {

bool eInteroCorto(std::string_view s) {
    if (!eDecimaleBenFormato(s) || s.find(',') != std::string_view::npos) return false;
    const long v = std::strtol(std::string(s).c_str(), nullptr, 10);
    return v >= -32768 && v <= 32767;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [picker, induttanza, ricordato] = campi<3>(data, size);

    if (const auto al = fattoreAL(picker))
        verifica(std::isfinite(*al) && *al >= 0, "AL not finite or negative", picker);
    if (limiteInduttanza(picker)) {
        const bool nellaLista =
            std::find(toroidiSelezionabili.begin(), toroidiSelezionabili.end(), picker) != toroidiSelezionabili.end();
        verifica(nellaLista, "a limit for a text outside the picker list", picker);
    }

    const EsitoSpire e = calcolaSpire(picker, induttanza, ricordato);
    using Azione = EsitoSpire::Azione;
    if (e.azione == Azione::Niente) {
        verifica(!leggiNumeroSingolo(induttanza).has_value(), "a readable inductance did nothing", induttanza);
        verifica(e.risultato.empty() && !e.nomeRicordato, "nothing to do but something changed", induttanza);
    }
    if (e.azione == Azione::Allarme) verifica(e.risultato.empty(), "alert with a result", e.risultato);
    if (!e.risultato.empty()) verifica(eInteroCorto(e.risultato), "turns not a 16-bit whole number", e.risultato);

    if (size >= sizeof(double)) {
        double centesimi;
        std::memcpy(&centesimi, data, sizeof centesimi);
        const std::string s = scriviSpire(centesimi);
        if (!s.empty()) verifica(eInteroCorto(s), "turns text out of range", s);
        if (!std::isfinite(centesimi)) verifica(s.empty(), "turns from a non-finite value", s);
    }
    return 0;
}
