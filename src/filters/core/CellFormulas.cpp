#include "filters/core/CellFormulas.h"

#include "app/core/Truncation.h"

#include <cmath>

namespace ombrana {

CostantiCella costantiCella(TipoCella tipo) {
    switch (tipo) {
        case TipoCella::PassaBassoPiGreco: return {0.318, 159155};
        case TipoCella::PassaAltoPiGreco: return {0.159, 79577};
        case TipoCella::PassaBassoT: return {0.159, 318310};
        case TipoCella::PassaAltoT: return {0.0796, 159155};
    }
    return {0, 0};
}

std::optional<Cella> calcolaCella(CostantiCella k, double f, double z) {
    const double prodotto = f * z;
    if (f == 0.0 || prodotto == 0.0) return std::nullopt;
    const double l = (k.kl * z) / f;
    const double c = k.kc / prodotto;
    if (!std::isfinite(l) || !std::isfinite(c)) return std::nullopt;
    return Cella{troncaDecimali(c, 1), troncaDecimali(l, 2)};
}

}  // namespace ombrana
