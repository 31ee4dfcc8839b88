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

// The denominator of Wheeler's formula, with r and l in inches.
double denominatore(double r, double l) {
    return 9 * r + 10 * l;
}

}  // namespace

double induttanzaBobinaAria(double diametroMm, double spire, double lunghezzaMm) {
    const double r = diametroMm / 2 / kMillimetriPerPollice;
    const double l = lunghezzaMm / kMillimetriPerPollice;
    return std::pow(r, 2) * std::pow(spire, 2) / denominatore(r, l);
}

double spireBobinaAria(double diametroMm, double lunghezzaMm, double induttanzauH) {
    const double r = diametroMm / 2 / kMillimetriPerPollice;
    const double l = lunghezzaMm / kMillimetriPerPollice;
    return std::sqrt(induttanzauH * denominatore(r, l)) / r;
}

EsitoBobinaAria calcolaBobinaAria(std::string_view diametro, std::string_view spire, std::string_view lunghezza) {
    using Campo = EsitoBobinaAria::Campo;

    const float d = letto(diametro);
    const float n = letto(spire);
    const float l = letto(lunghezza);

    if (d / 2 >= kLimiteBobinaAria) return {Campo::Diametro, {}};
    if (n >= kLimiteBobinaAria) return {Campo::Spire, {}};
    if (l >= kLimiteBobinaAria) return {Campo::Lunghezza, {}};

    if (eNumeroNegativo(diametro) || eNumeroNegativo(spire) || eNumeroNegativo(lunghezza)) return {};

    // Diameter and length both 0 divide 0 by 0.
    const double induttanza = induttanzaBobinaAria(d, n, l);
    if (!std::isfinite(induttanza)) return {};
    return {Campo::Nessuno, scriviNumero(troncaDecimali(induttanza, 2))};
}

}  // namespace ombrana
