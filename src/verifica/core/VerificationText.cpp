#include "verifica/core/VerificationText.h"

#include "app/core/NumberText.h"
#include "app/core/Truncation.h"
#include "verifica/core/LadderAnalysis.h"

#include <cmath>

namespace ombrana {
namespace {

std::string pf(double v) {
    return figureText(v, 2) + " pF";
}
std::string uh(double v) {
    return figureText(v, 3) + " \u00b5H";
}

// SWR beyond this says only "very bad"; the digits would mean nothing.
constexpr double kSwrShown = 99;

std::string swrText(std::optional<double> swr) {
    if (swr && *swr > kSwrShown) return "> 99";
    return figureText(swr, 2);
}

std::string windingText(const VerificationInput& in, const VerificationResult& r) {
    if (r.toroid) {
        const ToroidWinding& t = *r.toroid;
        std::string core = in.winding.core;
        if (t.mix)
            core += " (" + std::string(t.mix->colours) + ", " + figureText(t.mix->fromMHz, 2) + " - " +
                    figureText(t.mix->toMHz, 2) + " MHz)";
        switch (t.outcome) {
            case ToroidWinding::Outcome::Wound:
                return "Toroide " + core + ": " + std::to_string(t.turns) + " spire = " + uh(t.inductanceuH);
            case ToroidWinding::Outcome::OverLimit: return "Toroide " + core + ": TROPPE  SPIRE  vedi TAB  3";
            case ToroidWinding::Outcome::NoTurns: return "Toroide " + core + ": nessun numero di spire";
        }
    }
    if (r.airCoil) {
        const AirCoilWinding& a = *r.airCoil;
        const std::string coil = "Bobina in aria, diametro " + figureText(in.winding.diameterMm, 2) +
                                 " mm, lunghezza " + figureText(in.winding.lengthMm, 2) + " mm";
        switch (a.outcome) {
            case AirCoilWinding::Outcome::Wound:
                return coil + ": " + std::to_string(a.turns) + " spire = " + uh(a.inductanceuH);
            case AirCoilWinding::Outcome::OutOfRange: return coil + ": fuori dai limiti della bobina in aria";
            case AirCoilWinding::Outcome::NoTurns: return coil + ": nessun numero di spire";
        }
    }
    if (in.winding.kind == WindingChoice::Kind::AirCoil) return "Bobina in aria: indicare diametro e lunghezza";
    return {};
}

}  // namespace

std::string figureText(std::optional<double> value, int decimals) {
    if (!value || !std::isfinite(*value)) return {};
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(*value * scale) / scale;
    if (!std::isfinite(rounded)) return scriviNumero(*value);
    return scriviNumero(rounded == 0.0 ? 0.0 : rounded);
}

VerificationText verificationText(const VerificationInput& in, const VerificationResult& r) {
    VerificationText t;
    const bool low = passaBasso(in.tipo);
    const auto row = [](std::string caption, std::optional<double> d, std::optional<double> b, int decimals) {
        return FigureRow{
            .caption = std::move(caption), .designed = figureText(d, decimals), .built = figureText(b, decimals)};
    };
    t.figures = {
        row("Frequenza a -3 dB  MHz", r.asDesigned.minus3DbMHz, r.asBuilt.minus3DbMHz, 3),
        row("Perdita a f lavoro  dB", r.asDesigned.lossDb, r.asBuilt.lossDb, 2),
        FigureRow{.caption = "ROS a f lavoro", .designed = swrText(r.asDesigned.swr), .built = swrText(r.asBuilt.swr)},
        row(low ? "Perdita a 2 f  dB" : "Perdita a f/2  dB", r.asDesigned.loss2Db, r.asBuilt.loss2Db, 2),
        row(low ? "Perdita a 3 f  dB" : "Perdita a f/3  dB", r.asDesigned.loss3Db, r.asBuilt.loss3Db, 2),
    };

    if (r.capacitors) {
        const CapacitorChoice& c = *r.capacitors;
        t.capacitors = "C1 = " + pf(in.c1Pf) + ":  E12 " + figureText(c.e12.below, 3) + " / " +
                       figureText(c.e12.above, 3) + ",  E24 " + figureText(c.e24.below, 3) + " / " +
                       figureText(c.e24.above, 3) + ",  consigliato " + pf(c.suggestedPf) +
                       ";  coppia E12 in parallelo " + figureText(c.e12Pair.larger, 3) + " + " +
                       figureText(c.e12Pair.smaller, 3) + " = " + pf(c.e12Pair.sum());
    }
    if (r.builtCapacitorPf && r.inductanceForCapacitoruH)
        t.inductance = "L1 per " + pf(*r.builtCapacitorPf) + ": " +
                       scriviNumero(troncaDecimali(*r.inductanceForCapacitoruH, 2)) + " \u00b5H (" +
                       uh(*r.inductanceForCapacitoruH) + " esatti)";
    t.winding = windingText(in, r);

    if (r.toroid && r.toroid->fewTurns())
        t.warnings.push_back(
            "Poche spire: qui la regola dell'AL \u00e8 meno precisa (i terminali e la spaziatura aggiungono "
            "induttanza); allargare o togliere una spira misurando.");
    if (r.outsideMixRange)
        t.warnings.push_back("La frequenza di lavoro \u00e8 fuori dalla gamma della miscela del nucleo.");

    // A pi cell repeats its shunt element, a T cell its series one.
    if (r.builtCapacitorPf && r.builtInductanceuH) {
        const bool twoCapacitors = in.tipo == TipoCella::PassaBassoPiGreco || in.tipo == TipoCella::PassaAltoT;
        t.mounting =
            std::string(twoCapacitors ? "Da montare: 2 condensatori C1 da " : "Da montare: 1 condensatore C1 da ") +
            pf(*r.builtCapacitorPf) + (twoCapacitors ? ", 1 induttanza L1 da " : ", 2 induttanze L1 da ") +
            uh(*r.builtInductanceuH);
    }
    if (r.builtCapacitorPf) t.builtC1 = "C1 = " + pf(*r.builtCapacitorPf);
    if (r.builtInductanceuH) t.builtL1 = "L1 = " + uh(*r.builtInductanceuH);
    return t;
}

}  // namespace ombrana
