#include "verifica/core/Winding.h"

#include "app/core/NumberText.h"
#include "inductors/core/AirCoil.h"
#include "toroids/core/CalcoloSpire.h"
#include "toroids/core/CatalogoToroidi.h"
#include "toroids/core/TabelleToroidi.h"
#include "verifica/core/LadderMaths.h"

#include <algorithm>
#include <cmath>

namespace ombrana {

std::optional<MixInfo> mixOf(std::string_view core) {
    const auto slash = core.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    const std::string_view mix = core.substr(slash);
    for (const RigaMiscela& row : tabellaMiscele)
        if (row.numero == mix) return MixInfo{.colours = row.colori, .fromMHz = row.daMHz, .toMHz = row.aMHz};
    return std::nullopt;
}

ToroidWinding windOnToroid(std::string_view core, double inductanceuH) {
    ToroidWinding w;
    w.mix = mixOf(core);
    if (!positive(inductanceuH)) return w;
    // The toroid window reads the inductance as the program writes it, to 15
    // significant digits, in single precision: the same value goes into the
    // same calculation here. A value beyond single precision does not read.
    const std::optional<float> shown = rilettoSingolo(inductanceuH);
    if (!shown) return w;
    const std::optional<double> al = fattoreAL(core);
    const ContoSpire conto = spireToroide(al, *shown, limiteInduttanza(core));
    if (conto.esito == ContoSpire::Esito::OltreLimite) {
        w.outcome = ToroidWinding::Outcome::OverLimit;
        return w;
    }
    if (conto.esito != ContoSpire::Esito::Spire || conto.spire <= 0) return w;
    w.outcome = ToroidWinding::Outcome::Wound;
    w.turns = conto.spire;
    w.inductanceuH = *al * conto.spire * conto.spire / 10000.0;
    return w;
}

std::optional<std::string_view> thickestWire(std::string_view core, int turns) {
    const std::string_view size = core.substr(0, core.find('/'));
    const auto column = std::find(misureTab3.begin(), misureTab3.end(), size);
    if (column == misureTab3.end() || turns <= 0) return std::nullopt;
    const auto index = std::size_t(column - misureTab3.begin());
    // The table runs from the thinnest wire to the thickest.
    for (auto row = tabellaSpire.rbegin(); row != tabellaSpire.rend(); ++row)
        if (row->spire[index] >= turns) return row->filo;
    return std::nullopt;
}

double airCoilInductance(double diameterMm, double lengthMm, double turns) {
    return induttanzaBobinaAria(diameterMm, turns, lengthMm);
}

AirCoilWinding windInAir(double diameterMm, double lengthMm, double inductanceuH) {
    AirCoilWinding w;
    if (!positive(diameterMm) || !std::isfinite(lengthMm) || lengthMm < 0 || !positive(inductanceuH)) return w;
    if (diameterMm / 2 >= kLimiteBobinaAria || lengthMm >= kLimiteBobinaAria) {
        w.outcome = AirCoilWinding::Outcome::OutOfRange;
        return w;
    }
    const double exact = spireBobinaAria(diameterMm, lengthMm, inductanceuH);
    if (!std::isfinite(exact)) return w;
    if (exact >= kLimiteBobinaAria) {
        w.outcome = AirCoilWinding::Outcome::OutOfRange;
        return w;
    }
    w.outcome = AirCoilWinding::Outcome::Wound;
    w.turns = std::max(1, static_cast<int>(std::lround(exact)));
    w.inductanceuH = airCoilInductance(diameterMm, lengthMm, w.turns);
    return w;
}

}  // namespace ombrana
