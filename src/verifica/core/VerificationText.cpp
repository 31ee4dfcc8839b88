#include "verifica/core/VerificationText.h"

#include "app/core/NumberText.h"
#include "app/core/Truncation.h"
#include "verifica/core/LadderMaths.h"

#include <algorithm>
#include <cmath>

namespace ombrana {
namespace {

// A design losing more than this at the operating frequency is no
// transmitter's filter.
constexpr double kAdviceLossDb = 1;
constexpr double kAdviceSwr = 1.5;

std::string seriesName(Series s) {
    return s == Series::E12 ? "E12" : "E24";
}

std::string joined(const std::vector<std::string>& items, const std::string& between) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? between : "") + items[i];
    return out;
}

std::string toroidText(const VerificationInput& in, const InductorPart& part) {
    const ToroidWinding& t = *part.toroid;
    std::string core = in.winding.core;
    if (t.mix)
        core += " (" + std::string(t.mix->colours) + ", " + figureText(t.mix->fromMHz, 2) + " - " +
                figureText(t.mix->toMHz, 2) + " MHz)";
    switch (t.outcome) {
        case ToroidWinding::Outcome::Wound: {
            std::string text =
                "Toroide " + core + ": " + std::to_string(t.turns) + " spire = " + uhText(t.inductanceuH);
            if (part.wire) text += ", filo " + std::string(*part.wire) + " mm";
            if (part.noWireFits) text += ": nessun filo della TAB 3 ci sta";
            return text;
        }
        case ToroidWinding::Outcome::OverLimit: return "Toroide " + core + ": TROPPE  SPIRE  vedi TAB  3";
        case ToroidWinding::Outcome::NoTurns: return "Toroide " + core + ": nessun numero di spire";
    }
    return {};
}

std::string airCoilText(const VerificationInput& in, const AirCoilWinding& a) {
    const std::string coil = "Bobina in aria, diametro " + figureText(in.winding.diameterMm, 2) + " mm, lunghezza " +
                             figureText(in.winding.lengthMm, 2) + " mm";
    switch (a.outcome) {
        case AirCoilWinding::Outcome::Wound:
            return coil + ": " + std::to_string(a.turns) + " spire = " + uhText(a.inductanceuH);
        case AirCoilWinding::Outcome::OutOfRange: return coil + ": fuori dai limiti della bobina in aria";
        case AirCoilWinding::Outcome::NoTurns: return coil + ": nessun numero di spire";
    }
    return {};
}

const std::string kAirCoilSizesWanted = "Bobina in aria: indicare diametro e lunghezza";

std::string windingText(const VerificationInput& in, const InductorPart& part) {
    if (part.toroid) return toroidText(in, part);
    if (part.airCoil) return airCoilText(in, *part.airCoil);
    if (in.winding.kind == WindingChoice::Kind::AirCoil) return kAirCoilSizesWanted;
    return {};
}

std::string summaryText(const VerificationInput& in, const VerificationResult& r) {
    if (!r.designed) return {};
    const std::string count = std::to_string(in.design.elements) + " elementi";
    const std::string z = figureText(in.impedanceOhm, 3) + " Ohm";
    if (in.design.response == Response::Chebyshev)
        return "Progetto: Chebyshev " + count + ", taglio " + mhzText(*r.designCutoffMHz) + ", ROS in banda " +
               figureText(r.rippleSwr, 3) + " (" + figureText(rippleDbOfSwr(*r.rippleSwr), 3) + " dB), " + z;
    std::string text = "Progetto: Butterworth " + count + ", " + figureText(in.cutoffMHz, 3) + " MHz, " + z;
    if (in.design.isCell()) {
        const auto& e = r.designed->elements;
        const auto l =
            std::find_if(e.begin(), e.end(), [](auto& x) { return x.part == LadderElement::Part::Inductor; });
        text += ", C1 " + significantText(outerCapacitorPf(*r.designed), 3) + " pF, L1 " +
                significantText(l->value, 3) + " \u00b5H";
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
        case Problem::LoadSwrUnderOne: return "ROS del carico sotto 1: tensioni e correnti col carico adattato";
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

std::array<FigureRow, 5> figureRows(const VerificationInput& in, const VerificationResult& r) {
    const auto captions = figureCaptions(passaBasso(in.kind));
    const auto row = [&](std::size_t i, std::optional<double> d, std::optional<double> b, int decimals) {
        return FigureRow{.caption = captions[i], .designed = figureText(d, decimals), .built = figureText(b, decimals)};
    };
    const LadderFigures& d = r.asDesigned;
    const LadderFigures& b = r.asBuilt;
    return {
        row(0, d.minus3DbMHz, b.minus3DbMHz, 3),
        row(1, d.lossDb, b.lossDb, 2),
        FigureRow{.caption = captions[2], .designed = swrText(d.swr), .built = swrText(b.swr)},
        row(3, d.loss2Db, b.loss2Db, 2),
        row(4, d.loss3Db, b.loss3Db, 2),
    };
}

// A cell's C1 among the series' values and as an E12 pair; a longer
// ladder's capacitors as bought, each with its exact value and a pair where
// one comes nearer.
void capacitorTexts(const VerificationInput& in, const VerificationResult& r, VerificationText& t) {
    if (in.design.isCell() && r.capacitors) {
        const CapacitorChoice& c = *r.capacitors;
        const double c1 =
            r.capacitorParts.empty() ? outerCapacitorPf(*r.designed).value_or(0) : r.capacitorParts[0].designedPf;
        t.capacitors = "C1 = " + pfText(c1) + ":  E12 " + figureText(c.e12.below, 3) + " / " +
                       figureText(c.e12.above, 3) + ",  E24 " + figureText(c.e24.below, 3) + " / " +
                       figureText(c.e24.above, 3) + ",  consigliato " + pfText(c.suggestedPf);
        t.pair = "Coppia E12 in parallelo " + figureText(c.e12Pair.larger, 3) + " + " +
                 figureText(c.e12Pair.smaller, 3) + " = " + pfText(c.e12Pair.sum());
        return;
    }
    if (r.capacitorParts.empty()) return;
    std::vector<std::string> each;
    for (const CapacitorPart& c : r.capacitorParts) {
        std::string text = c.name + " " + pfText(c.builtPf);
        if (std::abs(c.builtPf - c.designedPf) > 1e-9 * c.designedPf) text += " (esatto " + pfText(c.designedPf) + ")";
        if (c.pair)
            text +=
                ", oppure " + figureText(c.pair->larger, 3) + " + " + figureText(c.pair->smaller, 3) + " in parallelo";
        each.push_back(text);
    }
    t.capacitors = "Condensatori " + seriesName(in.design.series) + ": " + joined(each, ";  ");
}

std::string inductanceText(const VerificationInput& in, const VerificationResult& r) {
    if (!in.design.isCell() || r.capacitorParts.empty() || !r.inductanceForCapacitoruH) return {};
    const double l = *r.inductanceForCapacitoruH;
    return "L1 per " + pfText(r.capacitorParts[0].builtPf) + ": " + scriviNumero(troncaDecimali(l, 2)) + " \u00b5H (" +
           uhText(l) + " esatti)";
}

std::vector<std::string> windingTexts(const VerificationInput& in, const VerificationResult& r) {
    std::vector<std::string> out;
    const bool manyInductors = r.inductorParts.size() > 1;
    for (const InductorPart& l : r.inductorParts) {
        const std::string w = windingText(in, l);
        if (!w.empty()) out.push_back(manyInductors ? l.name + ": " + w : w);
    }
    if (r.inductorParts.empty() && in.winding.kind == WindingChoice::Kind::AirCoil && r.designed &&
        !(in.winding.diameterMm && in.winding.lengthMm))
        out.push_back(kAirCoilSizesWanted);
    return out;
}

// The parts: what to mount and how to get each.
void partRows(const VerificationInput& in, const VerificationResult& r, VerificationText& t) {
    if (!r.built) return;
    std::vector<std::string> each;
    for (const CapacitorPart& c : r.capacitorParts) {
        each.push_back(std::to_string(c.count) + (c.count == 1 ? " condensatore " : " condensatori ") + c.name +
                       " da " + pfText(c.builtPf));
        t.parts.push_back({.name = c.name,
                           .count = std::to_string(c.count),
                           .value = pfText(c.builtPf),
                           .making = c.given ? "acquistato" : seriesName(in.design.series),
                           .stress = {}});
    }
    for (const InductorPart& l : r.inductorParts) {
        each.push_back(std::to_string(l.count) + (l.count == 1 ? " induttanza " : " induttanze ") + l.name + " da " +
                       uhText(*l.builtuH));
        const std::string w = windingText(in, l);
        t.parts.push_back({.name = l.name,
                           .count = std::to_string(l.count),
                           .value = uhText(*l.builtuH),
                           .making = w.empty() ? "esatta" : w,
                           .stress = {}});
    }
    t.mounting = "Da montare: " + joined(each, ", ");
}

// The worst figure of each named part: the elements that share a name see
// different stress behind a mismatched load.
void stressTexts(const VerificationInput& in, const VerificationResult& r, VerificationText& t) {
    if (!r.stress) return;
    const Ladder& ladder = r.built ? *r.built : *r.designed;
    const double loadSwr = in.loadSwr.value_or(1);
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
        if (loadSwr > 1) text += " (" + figureText(worst, decimals) + unit + " con ROS " + figureText(loadSwr, 2) + ")";
        if (capacitor) {
            const auto rating = capacitorRatingV(worst);
            text += rating ? ": da " + figureText(*rating, 0) + " V" : ": oltre 15000 V, nessun condensatore comune";
        }
        t.stress.push_back(p.name + ": " + text);
        for (PartText& part : t.parts)
            if (part.name == p.name) part.stress = text;
    }
}

std::vector<std::string> warningTexts(const VerificationInput& in, const VerificationResult& r) {
    std::vector<std::string> out;
    if (std::any_of(r.inductorParts.begin(), r.inductorParts.end(),
                    [](const InductorPart& l) { return l.toroid && l.toroid->fewTurns(); }))
        out.push_back(
            "Poche spire: qui la regola dell'AL \u00e8 meno precisa (i terminali e la spaziatura aggiungono "
            "induttanza); allargare o togliere una spira misurando.");
    if (r.outsideMixRange) out.push_back("La frequenza di lavoro \u00e8 fuori dalla gamma della miscela del nucleo.");
    if (r.truncatedMinus3DbMHz)
        out.push_back("La finestra del filtro mostra C1 = " + scriviNumero(in.shown.c1Pf) + " pF e L1 = " +
                      scriviNumero(in.shown.l1uH) + " \u00b5H troncati: con questi il taglio cadrebbe a " +
                      mhzText(*r.truncatedMinus3DbMHz) + "; qui si usano i valori esatti.");
    return out;
}

// A cell's cut-off is its -3 dB point: at 90 % of it a transmitter loses
// too much and sees a poor match.
std::string adviceText(const VerificationInput& in, const VerificationResult& r) {
    const LadderFigures& f = r.asDesigned.lossDb ? r.asDesigned : r.asBuilt;
    if (!(f.lossDb && *f.lossDb > kAdviceLossDb) && !(f.swr && *f.swr > kAdviceSwr)) return {};
    return "Perdita " + figureText(f.lossDb, 2) + " dB e ROS " + swrText(f.swr) +
           " a f lavoro: il taglio \u00e8 il punto a -3 dB; per trasmettere va " +
           (passaBasso(in.kind) ? "sopra" : "sotto") + " la banda, o servono pi\u00f9 elementi (PROPONI)";
}

// The values as built, under the drawing.
void builtValues(const VerificationInput& in, const VerificationResult& r, VerificationText& t) {
    std::vector<std::string> cs, ls;
    for (const CapacitorPart& c : r.capacitorParts) cs.push_back(c.name + " = " + pfText(c.builtPf));
    for (const InductorPart& l : r.inductorParts)
        if (l.builtuH) ls.push_back(l.name + " = " + uhText(*l.builtuH));
    if (r.built || in.design.isCell()) t.builtC1 = joined(cs, "   ");
    if (r.built) t.builtL1 = joined(ls, "   ");
}

}  // namespace

std::vector<std::string> VerificationText::partsList() const {
    std::vector<std::string> out;
    for (const std::string* s : {&mounting, &capacitors, &pair, &inductance})
        if (!s->empty()) out.push_back(*s);
    out.insert(out.end(), windings.begin(), windings.end());
    return out;
}

std::array<std::string, 5> figureCaptions(bool low) {
    return {"Frequenza a -3 dB  MHz", "Perdita a f lavoro  dB", "ROS a f lavoro",
            low ? "Perdita a 2 f  dB" : "Perdita a f/2  dB", low ? "Perdita a 3 f  dB" : "Perdita a f/3  dB"};
}

VerificationText verificationText(const VerificationInput& in, const VerificationResult& r) {
    VerificationText t;
    t.figures = figureRows(in, r);
    t.summary = summaryText(in, r);
    for (Problem p : r.problems) t.problems.push_back(problemText(p, in, r));
    capacitorTexts(in, r, t);
    t.inductance = inductanceText(in, r);
    t.windings = windingTexts(in, r);
    partRows(in, r, t);
    stressTexts(in, r, t);
    t.warnings = warningTexts(in, r);
    t.advice = adviceText(in, r);
    builtValues(in, r, t);
    return t;
}

}  // namespace ombrana
