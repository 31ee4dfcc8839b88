#include "verifica/core/Verification.h"

#include "inductors/core/InductanceCalculation.h"
#include "verifica/core/LadderAnalysis.h"

#include <cmath>

namespace ombrana {
namespace {

bool positive(double x) {
    return std::isfinite(x) && x > 0;
}
bool positive(const std::optional<double>& x) {
    return x && positive(*x);
}

std::optional<double> lossAt(const Ladder& ladder, std::optional<double> mhz) {
    if (!mhz) return std::nullopt;
    const auto a = analyse(ladder, *mhz);
    return a ? std::optional(a->insertionLossDb) : std::nullopt;
}

CellFigures figuresOf(const Ladder& ladder, const VerificationInput& in, const VerificationResult& r) {
    CellFigures f;
    // The search spans four decades around the cut-off; beyond them the
    // cell is so far off that no figure would help the builder.
    f.minus3DbMHz = frequencyAt3Db(ladder, passBandOf(in.tipo), in.cutoffMHz / 100, in.cutoffMHz * 100);
    if (positive(in.operatingMHz)) {
        if (const auto a = analyse(ladder, *in.operatingMHz)) {
            f.lossDb = a->insertionLossDb;
            f.swr = a->swr;
        }
    }
    f.loss2Db = lossAt(ladder, r.harmonic2MHz);
    f.loss3Db = lossAt(ladder, r.harmonic3MHz);
    return f;
}

// The inductance the chosen winding really gives; the winding's details
// go into the result.
std::optional<double> builtInductance(const VerificationInput& in, double wanted, VerificationResult& r) {
    switch (in.winding.kind) {
        case WindingChoice::Kind::Exact: return wanted;
        case WindingChoice::Kind::Toroid: {
            r.toroid = windOnToroid(in.winding.core, wanted);
            if (r.toroid->mix && positive(in.operatingMHz))
                r.outsideMixRange =
                    *in.operatingMHz < r.toroid->mix->fromMHz || *in.operatingMHz > r.toroid->mix->toMHz;
            if (r.toroid->outcome != ToroidWinding::Outcome::Wound) return std::nullopt;
            return r.toroid->inductanceuH;
        }
        case WindingChoice::Kind::AirCoil: {
            if (!positive(in.winding.diameterMm) || !in.winding.lengthMm) return std::nullopt;
            r.airCoil = windInAir(*in.winding.diameterMm, *in.winding.lengthMm, wanted);
            if (r.airCoil->outcome != AirCoilWinding::Outcome::Wound) return std::nullopt;
            return r.airCoil->inductanceuH;
        }
    }
    return std::nullopt;
}

}  // namespace

double defaultOperatingMHz(TipoCella tipo, double cutoffMHz) {
    return cutoffMHz * (passaBasso(tipo) ? 0.9 : 1.1);
}

std::optional<double> inductanceForCapacitor(TipoCella tipo, double capacitancePf, double cutoffMHz) {
    if (!positive(capacitancePf) || !positive(cutoffMHz)) return std::nullopt;
    const double k = passaBasso(tipo) ? kCostanteInduttanza2 : kCostanteInduttanza;
    const double l = std::pow(k, 2) / (std::pow(cutoffMHz, 2) * (capacitancePf / 2));
    if (!positive(l)) return std::nullopt;
    return l;
}

VerificationResult verify(const VerificationInput& in) {
    VerificationResult r;
    if (!positive(in.cutoffMHz) || !positive(in.impedanceOhm)) return r;

    r.capacitors = capacitorChoice(in.c1Pf);
    if (positive(in.operatingMHz)) {
        const double f = *in.operatingMHz;
        const bool low = passaBasso(in.tipo);
        r.harmonic2MHz = low ? 2 * f : f / 2;
        r.harmonic3MHz = low ? 3 * f : f / 3;
    }

    if (positive(in.c1Pf) && positive(in.l1uH)) {
        r.designed = cellLadder(in.tipo, {.c1Pf = in.c1Pf, .l1uH = in.l1uH}, in.impedanceOhm);
        r.asDesigned = figuresOf(*r.designed, in, r);
    }

    if (!positive(in.builtCapacitorPf)) return r;
    r.builtCapacitorPf = in.builtCapacitorPf;
    r.inductanceForCapacitoruH = inductanceForCapacitor(in.tipo, *in.builtCapacitorPf, in.cutoffMHz);
    if (!r.inductanceForCapacitoruH) return r;
    r.builtInductanceuH = builtInductance(in, *r.inductanceForCapacitoruH, r);
    if (!r.builtInductanceuH) return r;

    r.built =
        cellLadder(in.tipo, {.c1Pf = *in.builtCapacitorPf, .l1uH = *r.builtInductanceuH, .inductorQ = in.inductorQ},
                   in.impedanceOhm);
    r.asBuilt = figuresOf(*r.built, in, r);
    return r;
}

}  // namespace ombrana
