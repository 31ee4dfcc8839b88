#include "verifica/core/VerificationText.h"

#include "app/core/NumberText.h"
#include "app/core/Truncation.h"

#include <algorithm>
#include <cmath>

namespace ombrana {
namespace {

std::string pf(double v) {
    return figureText(v, 2) + " pF";
}
std::string uh(double v) {
    return figureText(v, 3) + " \u00b5H";
}
std::string mhz(double v) {
    return figureText(v, 3) + " MHz";
}

// SWR beyond this says only "very bad"; the digits would mean nothing.
constexpr double kSwrShown = 99;

// A design losing more than this at the operating frequency is no
// transmitter's filter.
constexpr double kAdviceLossDb = 1;
constexpr double kAdviceSwr = 1.5;

std::string swrText(std::optional<double> swr) {
    if (swr && *swr > kSwrShown) return "> 99";
    return figureText(swr, 2);
}

std::string seriesName(Series s) {
    return s == Series::E12 ? "E12" : "E24";
}

bool isCell(const VerificationInput& in) {
    return in.design.response == Response::Butterworth && in.design.elements == 3;
}

std::string windingText(const VerificationInput& in, const InductorPart& part) {
    if (part.toroid) {
        const ToroidWinding& t = *part.toroid;
        std::string core = in.winding.core;
        if (t.mix)
            core += " (" + std::string(t.mix->colours) + ", " + figureText(t.mix->fromMHz, 2) + " - " +
                    figureText(t.mix->toMHz, 2) + " MHz)";
        switch (t.outcome) {
            case ToroidWinding::Outcome::Wound: {
                std::string text =
                    "Toroide " + core + ": " + std::to_string(t.turns) + " spire = " + uh(t.inductanceuH);
                if (part.wire) text += ", filo " + std::string(*part.wire) + " mm";
                if (part.noWireFits) text += ": nessun filo della TAB 3 ci sta";
                return text;
            }
            case ToroidWinding::Outcome::OverLimit: return "Toroide " + core + ": TROPPE  SPIRE  vedi TAB  3";
            case ToroidWinding::Outcome::NoTurns: return "Toroide " + core + ": nessun numero di spire";
        }
    }
    if (part.airCoil) {
        const AirCoilWinding& a = *part.airCoil;
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

std::string designText(const VerificationInput& in, const VerificationResult& r) {
    if (!r.designed) return {};
    const std::string count = std::to_string(in.design.elements) + " elementi";
    const std::string z = figureText(in.impedanceOhm, 3) + " Ohm";
    if (in.design.response == Response::Chebyshev)
        return "Progetto: Chebyshev " + count + ", taglio " + mhz(*r.designCutoffMHz) + ", ROS in banda " +
               figureText(r.rippleSwr, 3) + " (" + figureText(rippleDbOfSwr(*r.rippleSwr), 3) + " dB), " + z;
    std::string text = "Progetto: Butterworth " + count + ", " + figureText(in.cutoffMHz, 3) + " MHz, " + z;
    if (isCell(in)) {
        const auto& e = r.designed->elements;
        const auto c =
            std::find_if(e.begin(), e.end(), [](auto& x) { return x.part == LadderElement::Part::Capacitor; });
        const auto l =
            std::find_if(e.begin(), e.end(), [](auto& x) { return x.part == LadderElement::Part::Inductor; });
        text += ", C1 " + significantText(c->value, 3) + " pF, L1 " + significantText(l->value, 3) + " \u00b5H";
    }
    return text;
}

std::string problemText(Problem p, const VerificationInput& in, const VerificationResult& r) {
    switch (p) {
        case Problem::CoilSizeZero: return "Bobina in aria: diametro e lunghezza devono superare zero";
        case Problem::OperatingOutOfRange:
            return "Frequenza di lavoro fuori campo: fra " +
                   figureText(r.designCutoffMHz.value_or(in.cutoffMHz) / 100, 4) + " e " +
                   figureText(kHighestOperatingMHz, 0) + " MHz";
        case Problem::CapacitorTooLarge: return "Condensatore oltre dieci volte quello di progetto";
        case Problem::SecondCapacitorMissing: return "Indicare anche il secondo condensatore (C2)";
        case Problem::NoChebyshev: {
            std::string text = "Con questi condensatori nessun Chebyshev fino a 3 dB";
            if (r.chebyshevRatios)
                text += ": C2 deve stare fra " + figureText(r.chebyshevRatios->least, 3) + " e " +
                        figureText(r.chebyshevRatios->most, 3) + " volte C1";
            return text;
        }
    }
    return {};
}

// The worst figure of each named part: the elements that share a name see
// different stress behind a mismatched load.
void stressTexts(const VerificationInput& in, const VerificationResult& r, VerificationText& t) {
    if (!r.stress) return;
    const Ladder& ladder = r.built ? *r.built : *r.designed;
    const double loadSwr = in.loadSwr.value_or(1);
    const bool mismatched = loadSwr > 1;
    for (const NamedPart& p : namedParts(ladder.elements)) {
        double matched = 0, worst = 0;
        for (std::size_t i = 0; i < ladder.elements.size(); ++i)
            if (elementName(ladder.elements, i) == p.name) {
                matched = std::max(matched, (*r.stress)[i].matched);
                worst = std::max(worst, (*r.stress)[i].worst);
            }
        const bool capacitor = ladder.elements[p.first].part == LadderElement::Part::Capacitor;
        const std::string unit = capacitor ? " V" : " A";
        const int decimals = capacitor ? 0 : 2;
        std::string text = figureText(matched, decimals) + unit + (capacitor ? " di picco" : " efficaci");
        if (mismatched) text += " (" + figureText(worst, decimals) + unit + " con ROS " + figureText(loadSwr, 2) + ")";
        if (capacitor) {
            const auto rating = capacitorRatingV(worst);
            text += rating ? ": da " + figureText(*rating, 0) + " V" : ": oltre 15000 V, nessun condensatore comune";
        }
        t.stress.push_back(p.name + ": " + text);
        for (PartText& part : t.parts)
            if (part.name == p.name) part.stress = text;
    }
}

}  // namespace

std::array<std::string, 5> figureCaptions(bool low) {
    return {"Frequenza a -3 dB  MHz", "Perdita a f lavoro  dB", "ROS a f lavoro",
            low ? "Perdita a 2 f  dB" : "Perdita a f/2  dB", low ? "Perdita a 3 f  dB" : "Perdita a f/3  dB"};
}

std::string figureText(std::optional<double> value, int decimals) {
    if (!value || !std::isfinite(*value)) return {};
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(*value * scale) / scale;
    if (!std::isfinite(rounded)) return scriviNumero(*value);
    return scriviNumero(rounded == 0.0 ? 0.0 : rounded);
}

std::string significantText(std::optional<double> value, int digits) {
    if (!value || !std::isfinite(*value)) return {};
    if (*value == 0) return "0";
    const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(*value))));
    return figureText(value, std::max(0, digits - 1 - magnitude));
}

VerificationText verificationText(const VerificationInput& in, const VerificationResult& r) {
    VerificationText t;
    const bool low = passaBasso(in.cell);
    const bool cell = isCell(in);
    const auto captions = figureCaptions(low);
    const auto row = [](std::string caption, std::optional<double> d, std::optional<double> b, int decimals) {
        return FigureRow{
            .caption = std::move(caption), .designed = figureText(d, decimals), .built = figureText(b, decimals)};
    };
    t.figures = {
        row(captions[0], r.asDesigned.minus3DbMHz, r.asBuilt.minus3DbMHz, 3),
        row(captions[1], r.asDesigned.lossDb, r.asBuilt.lossDb, 2),
        FigureRow{.caption = captions[2], .designed = swrText(r.asDesigned.swr), .built = swrText(r.asBuilt.swr)},
        row(captions[3], r.asDesigned.loss2Db, r.asBuilt.loss2Db, 2),
        row(captions[4], r.asDesigned.loss3Db, r.asBuilt.loss3Db, 2),
    };
    t.design = designText(in, r);
    for (Problem p : r.problems) t.problems.push_back(problemText(p, in, r));

    if (cell && r.capacitors) {
        const CapacitorChoice& c = *r.capacitors;
        const double c1 = r.capacitorParts.empty() ? r.designed->elements[distinctCapacitors(in.cell, 3)[0]].value
                                                   : r.capacitorParts[0].designedPf;
        t.capacitors = "C1 = " + pf(c1) + ":  E12 " + figureText(c.e12.below, 3) + " / " + figureText(c.e12.above, 3) +
                       ",  E24 " + figureText(c.e24.below, 3) + " / " + figureText(c.e24.above, 3) + ",  consigliato " +
                       pf(c.suggestedPf);
        t.pair = "Coppia E12 in parallelo " + figureText(c.e12Pair.larger, 3) + " + " +
                 figureText(c.e12Pair.smaller, 3) + " = " + pf(c.e12Pair.sum());
    } else if (!r.capacitorParts.empty()) {
        std::vector<std::string> each;
        for (const CapacitorPart& c : r.capacitorParts) {
            std::string text = c.name + " " + pf(c.builtPf);
            if (std::abs(c.builtPf - c.designedPf) > 1e-9 * c.designedPf) text += " (esatto " + pf(c.designedPf) + ")";
            if (c.pair)
                text += ", oppure " + figureText(c.pair->larger, 3) + " + " + figureText(c.pair->smaller, 3) +
                        " in parallelo";
            each.push_back(text);
        }
        t.capacitors = "Condensatori " + seriesName(in.design.series) + ": ";
        for (std::size_t i = 0; i < each.size(); ++i) t.capacitors += (i ? ";  " : "") + each[i];
    }
    if (cell && !r.capacitorParts.empty() && r.inductanceForCapacitoruH)
        t.inductance = "L1 per " + pf(r.capacitorParts[0].builtPf) + ": " +
                       scriviNumero(troncaDecimali(*r.inductanceForCapacitoruH, 2)) + " \u00b5H (" +
                       uh(*r.inductanceForCapacitoruH) + " esatti)";

    const bool manyInductors = r.inductorParts.size() > 1;
    for (const InductorPart& l : r.inductorParts) {
        const std::string w = windingText(in, l);
        if (!w.empty()) t.windings.push_back(manyInductors ? l.name + ": " + w : w);
    }
    if (r.inductorParts.empty() && in.winding.kind == WindingChoice::Kind::AirCoil && r.designed &&
        !(in.winding.diameterMm && in.winding.lengthMm))
        t.windings.push_back("Bobina in aria: indicare diametro e lunghezza");

    // The parts: what to mount and how to get each.
    if (r.built) {
        std::string mounting = "Da montare: ";
        std::vector<std::string> each;
        for (const CapacitorPart& c : r.capacitorParts) {
            each.push_back(std::to_string(c.count) + (c.count == 1 ? " condensatore " : " condensatori ") + c.name +
                           " da " + pf(c.builtPf));
            t.parts.push_back({.name = c.name,
                               .count = std::to_string(c.count),
                               .value = pf(c.builtPf),
                               .making = c.given ? "acquistato" : seriesName(in.design.series),
                               .stress = {}});
        }
        for (const InductorPart& l : r.inductorParts) {
            each.push_back(std::to_string(l.count) + (l.count == 1 ? " induttanza " : " induttanze ") + l.name +
                           " da " + uh(*l.builtUH));
            const std::string w = windingText(in, l);
            t.parts.push_back({.name = l.name,
                               .count = std::to_string(l.count),
                               .value = uh(*l.builtUH),
                               .making = w.empty() ? "esatta" : w,
                               .stress = {}});
        }
        for (std::size_t i = 0; i < each.size(); ++i) mounting += (i ? ", " : "") + each[i];
        t.mounting = mounting;
    }
    stressTexts(in, r, t);

    for (const InductorPart& l : r.inductorParts)
        if (l.toroid && l.toroid->fewTurns()) {
            t.warnings.push_back(
                "Poche spire: qui la regola dell'AL \u00e8 meno precisa (i terminali e la spaziatura aggiungono "
                "induttanza); allargare o togliere una spira misurando.");
            break;
        }
    if (r.outsideMixRange)
        t.warnings.push_back("La frequenza di lavoro \u00e8 fuori dalla gamma della miscela del nucleo.");
    if (r.truncatedMinus3DbMHz)
        t.warnings.push_back("La finestra del filtro mostra C1 = " + scriviNumero(in.c1Pf) + " pF e L1 = " +
                             scriviNumero(in.l1uH) + " \u00b5H troncati: con questi il taglio cadrebbe a " +
                             mhz(*r.truncatedMinus3DbMHz) + "; qui si usano i valori esatti.");

    // A cell's cut-off is its -3 dB point: at 90 % of it a transmitter
    // loses too much and sees a poor match.
    const CellFigures& f = r.asDesigned.lossDb ? r.asDesigned : r.asBuilt;
    if ((f.lossDb && *f.lossDb > kAdviceLossDb) || (f.swr && *f.swr > kAdviceSwr))
        t.advice = "Perdita " + figureText(f.lossDb, 2) + " dB e ROS " + swrText(f.swr) +
                   " a f lavoro: il taglio \u00e8 il punto a -3 dB; per trasmettere va " + (low ? "sopra" : "sotto") +
                   " la banda, o servono pi\u00f9 elementi (PROPONI)";

    // The values as built, under the drawing.
    const auto join = [](const std::vector<std::string>& items) {
        std::string out;
        for (std::size_t i = 0; i < items.size(); ++i) out += (i ? "   " : "") + items[i];
        return out;
    };
    std::vector<std::string> cs, ls;
    for (const CapacitorPart& c : r.capacitorParts) cs.push_back(c.name + " = " + pf(c.builtPf));
    for (const InductorPart& l : r.inductorParts)
        if (l.builtUH) ls.push_back(l.name + " = " + uh(*l.builtUH));
    if (r.built || cell) t.builtC1 = join(cs);
    if (r.built) t.builtL1 = join(ls);
    return t;
}

}  // namespace ombrana
