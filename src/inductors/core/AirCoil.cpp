#include "inductors/core/AirCoil.h"

#include "app/core/NumberText.h"
#include "app/core/Truncation.h"
#include "inductors/core/NegativeText.h"

#include <cmath>

namespace ombrana {
namespace {

// Single precision straight from the text; what cannot be read counts as 0.
float letto(std::string_view text) {
    return leggiNumeroSingolo(text).value_or(0.0f);
}

}  // namespace

EsitoBobinaAria calcolaBobinaAria(std::string_view diametro, std::string_view spire, std::string_view lunghezza) {
    using Campo = EsitoBobinaAria::Campo;

    const float r = letto(diametro) / 2;
    const float n = letto(spire);
    const float l = letto(lunghezza);

    if (r >= kLimiteBobinaAria) return {Campo::Diametro, {}};
    if (n >= kLimiteBobinaAria) return {Campo::Spire, {}};
    if (l >= kLimiteBobinaAria) return {Campo::Lunghezza, {}};

    if (eNumeroNegativo(diametro) || eNumeroNegativo(spire) || eNumeroNegativo(lunghezza)) return {};

    const double a = std::pow(r / kMillimetriPerPollice, 2) * std::pow(n, 2);
    const double b = 9 * (r / kMillimetriPerPollice) + 10 * (l / kMillimetriPerPollice);
    if (b == 0.0) return {};
    const double induttanza = a / b;
    if (!std::isfinite(induttanza)) return {};
    return {Campo::Nessuno, scriviNumero(troncaDecimali(induttanza, 2))};
}

}  // namespace ombrana
