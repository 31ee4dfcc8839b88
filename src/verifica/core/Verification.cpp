#include "verifica/core/Verification.h"

#include "inductors/core/InductanceCalculation.h"
#include "verifica/core/LadderMaths.h"
#include "verifica/core/Synthesis.h"

#include <algorithm>
#include <cmath>

namespace ombrana {
namespace {

// A capacitor this many times the design's is no slip of the finger that a
// figure could help with.
constexpr double kMostCapacitorRatio = 10;
// The filter window's truncated values are worth a word past this shift.
constexpr double kTruncationShift = 0.02;

void add(VerificationResult& r, Problem p) {
    if (std::find(r.problems.begin(), r.problems.end(), p) == r.problems.end()) r.problems.push_back(p);
}

// The ladder's figures at the frequencies the result has accepted.
LadderFigures figuresOf(const Ladder& ladder, TipoCella kind, double cutoffMHz, const VerificationResult& r) {
    LadderFigures f;
    // The search spans four decades around the cut-off; beyond them the
    // ladder is so far off that no figure would help the builder.
    f.minus3DbMHz = frequencyAt3Db(ladder, passBandOf(kind), cutoffMHz / 100, cutoffMHz * 100);
    if (r.operatingMHz) {
        if (const auto a = analyse(ladder, *r.operatingMHz)) {
            f.lossDb = a->insertionLossDb;
            f.swr = a->swr;
        }
    }
    if (r.harmonic2MHz) f.loss2Db = lossAt(ladder, *r.harmonic2MHz);
    if (r.harmonic3MHz) f.loss3Db = lossAt(ladder, *r.harmonic3MHz);
    return f;
}

// The design's ladder and its cut-off, as the choice says.
void design(const VerificationInput& in, VerificationResult& r) {
    const DesignChoice& d = in.design;
    if (d.response == Response::Butterworth) {
        r.designed = synthesize(in.kind, butterworthPrototype(d.elements), in.cutoffMHz, in.impedanceOhm);
        if (!r.designed) return;
        r.designCutoffMHz = in.cutoffMHz;
        if (!d.isCell()) return;
        const double c1 = outerCapacitorPf(*r.designed).value_or(0);
        r.capacitors = capacitorChoice(c1);
        // What the filter window's truncated captions would give.
        if (positive(in.shown.c1Pf) && positive(in.shown.l1uH)) {
            const Ladder shown = cellLadder(in.kind, in.shown, in.impedanceOhm);
            const auto f3 = frequencyAt3Db(shown, passBandOf(in.kind), in.cutoffMHz / 100, in.cutoffMHz * 100);
            if (f3 && std::abs(*f3 / in.cutoffMHz - 1) > kTruncationShift) r.truncatedMinus3DbMHz = f3;
        }
        if (positive(in.builtCapacitorPf) && *in.builtCapacitorPf > kMostCapacitorRatio * c1)
            add(r, Problem::CapacitorTooLarge);
        return;
    }

    // Chebyshev: the ladder follows from the capacitors the builder has.
    const std::size_t distinct = distinctCapacitors(in.kind, d.elements).size();
    if (!positive(in.builtCapacitorPf)) return;
    const auto cell = synthesize(in.kind, butterworthPrototype(3), in.cutoffMHz, in.impedanceOhm);
    if (cell && *in.builtCapacitorPf > kMostCapacitorRatio * outerCapacitorPf(*cell).value_or(0)) {
        add(r, Problem::CapacitorTooLarge);
        return;
    }
    std::vector<double> capacitors{*in.builtCapacitorPf};
    if (distinct >= 2) {
        if (!positive(in.builtCapacitor2Pf)) {
            add(r, Problem::SecondCapacitorMissing);
            return;
        }
        capacitors.push_back(*in.builtCapacitor2Pf);
    }
    if (distinct == 1 && !d.maxSwr) return;
    const ChebyshevSolution s =
        solveFromCapacitors(in.kind, d.elements, capacitors, d.maxSwr.value_or(0), in.impedanceOhm);
    if (!s.design) {
        if (s.failure == ChebyshevSolution::Failure::NoRipple) {
            add(r, Problem::NoChebyshev);
            r.chebyshevRatios = s.ratios;
        }
        return;
    }
    r.designed = s.design->ladder;
    r.designCutoffMHz = s.design->cutoffMHz;
    r.rippleSwr = s.design->rippleSwr;
}

// One inductance made as the choice says: its winding, and what it gives.
InductorPart wound(const VerificationInput& in, InductorPart part, VerificationResult& r) {
    switch (in.winding.kind) {
        case WindingChoice::Kind::Exact: part.builtuH = part.wanteduH; break;
        case WindingChoice::Kind::Toroid: {
            part.toroid = windOnToroid(in.winding.core, part.wanteduH);
            if (part.toroid->mix && r.operatingMHz)
                r.outsideMixRange = r.outsideMixRange || *r.operatingMHz < part.toroid->mix->fromMHz ||
                                    *r.operatingMHz > part.toroid->mix->toMHz;
            if (part.toroid->outcome != ToroidWinding::Outcome::Wound) break;
            part.builtuH = part.toroid->inductanceuH;
            part.wire = thickestWire(in.winding.core, part.toroid->turns);
            part.noWireFits = !part.wire;
            break;
        }
        case WindingChoice::Kind::AirCoil: {
            const auto& dia = in.winding.diameterMm;
            const auto& len = in.winding.lengthMm;
            if ((dia && !positive(dia)) || (len && !positive(len))) {
                add(r, Problem::CoilSizeZero);
                break;
            }
            if (!dia || !len) break;
            part.airCoil = windInAir(*dia, *len, part.wanteduH);
            if (part.airCoil->outcome == AirCoilWinding::Outcome::Wound) part.builtuH = part.airCoil->inductanceuH;
            break;
        }
    }
    return part;
}

// The ladder as it will be built: its capacitors bought, its inductors wound.
void build(const VerificationInput& in, VerificationResult& r) {
    const Ladder& designed = *r.designed;
    const bool cell = in.design.isCell();
    Ladder built = designed;
    if (cell) {
        // A cell keeps its cut-off with the capacitor bought: the inductance
        // windows' formula gives the inductor for it.
        if (!positive(in.builtCapacitorPf) ||
            std::find(r.problems.begin(), r.problems.end(), Problem::CapacitorTooLarge) != r.problems.end())
            return;
        r.inductanceForCapacitoruH = inductanceForCapacitor(in.kind, *in.builtCapacitorPf, in.cutoffMHz);
        if (!r.inductanceForCapacitoruH) return;
        built =
            cellLadder(in.kind, {.c1Pf = *in.builtCapacitorPf, .l1uH = *r.inductanceForCapacitoruH}, in.impedanceOhm);
    } else {
        // A Chebyshev ladder's outer two capacitors are the builder's own.
        built = atStandardCapacitors(designed, in.design.series, in.design.response == Response::Chebyshev ? 2 : 0);
    }

    bool complete = true;
    const std::size_t given = cell ? 1 : in.design.response == Response::Chebyshev ? 2 : 0;
    for (const NamedPart& p : namedParts(built.elements)) {
        const LadderElement& e = built.elements[p.first];
        if (e.part == LadderElement::Part::Capacitor) {
            CapacitorPart c{.name = p.name,
                            .count = p.count,
                            .designedPf = designed.elements[p.first].value,
                            .builtPf = e.value,
                            .pair = {},
                            .given = r.capacitorParts.size() < given};
            if (!c.given) {
                const auto pair = bestE12Pair(c.designedPf);
                if (pair && std::abs(pair->sum() - c.designedPf) < std::abs(c.builtPf - c.designedPf)) c.pair = pair;
            }
            r.capacitorParts.push_back(c);
            continue;
        }
        InductorPart l = wound(in, {.name = p.name, .count = p.count, .wanteduH = e.value}, r);
        complete = complete && l.builtuH;
        r.inductorParts.push_back(l);
    }
    if (!complete) return;
    for (std::size_t i = 0; i < built.elements.size(); ++i) {
        LadderElement& e = built.elements[i];
        if (e.part != LadderElement::Part::Inductor) continue;
        const std::string name = elementName(built.elements, i);
        for (const InductorPart& l : r.inductorParts)
            if (l.name == name) e.value = *l.builtuH;
        e.q = in.inductorQ;
    }
    r.built = std::move(built);
}

// The operating frequency, when the figures can be had there, and its
// harmonics: twice and three times it behind a low-pass ladder, a half and
// a third behind a high-pass one.
void acceptOperating(const VerificationInput& in, VerificationResult& r) {
    if (!positive(in.operatingMHz)) return;
    const double f = *in.operatingMHz;
    if (f > kHighestOperatingMHz || f < r.designCutoffMHz.value_or(in.cutoffMHz) / 100) {
        add(r, Problem::OperatingOutOfRange);
        return;
    }
    const bool low = passaBasso(in.kind);
    r.operatingMHz = f;
    r.harmonic2MHz = low ? 2 * f : f / 2;
    r.harmonic3MHz = low ? 3 * f : f / 3;
}

}  // namespace

double defaultOperatingMHz(TipoCella kind, double cutoffMHz) {
    return cutoffMHz * (passaBasso(kind) ? 0.9 : 1.1);
}

std::optional<double> inductanceForCapacitor(TipoCella kind, double capacitancePf, double cutoffMHz) {
    if (!positive(capacitancePf) || !positive(cutoffMHz)) return std::nullopt;
    const double k = passaBasso(kind) ? kCostanteInduttanza2 : kCostanteInduttanza;
    const double l = std::pow(k, 2) / (std::pow(cutoffMHz, 2) * (capacitancePf / 2));
    if (!positive(l)) return std::nullopt;
    return l;
}

std::vector<double> suggestedCapacitors(TipoCella kind, const DesignChoice& d, double cutoffMHz, double impedanceOhm) {
    const std::vector<double> g =
        d.response == Response::Butterworth
            ? butterworthPrototype(d.elements)
            : chebyshevPrototype(d.elements, std::min(d.maxSwr.value_or(kDefaultMaxSwr), swrOfEpsilon(1.0)));
    const auto ladder = synthesize(kind, g, cutoffMHz, impedanceOhm);
    std::vector<double> out;
    if (!ladder) return out;
    if (d.isCell()) {
        // A cell's capacitor: the nearest lower E24 value, stray
        // capacitance adds the rest.
        if (const auto c = capacitorChoice(outerCapacitorPf(*ladder).value_or(0))) out.push_back(c->suggestedPf);
        return out;
    }
    for (std::size_t i : distinctCapacitors(kind, d.elements))
        if (const auto v = nearestStandard(d.series, ladder->elements[i].value)) out.push_back(*v);
    return out;
}

VerificationResult verify(const VerificationInput& in) {
    VerificationResult r;
    if (!positive(in.cutoffMHz) || !positive(in.impedanceOhm)) return r;

    design(in, r);
    acceptOperating(in, r);
    if (in.loadSwr && *in.loadSwr < 1) add(r, Problem::LoadSwrUnderOne);
    if (!r.designed) return r;
    r.asDesigned = figuresOf(*r.designed, in.kind, *r.designCutoffMHz, r);
    build(in, r);
    if (r.built) r.asBuilt = figuresOf(*r.built, in.kind, *r.designCutoffMHz, r);
    if (r.operatingMHz && positive(in.powerW))
        r.stress = partStress(r.built.value_or(*r.designed), *r.operatingMHz, *in.powerW,
                              std::max(1.0, in.loadSwr.value_or(1)));
    return r;
}

}  // namespace ombrana
