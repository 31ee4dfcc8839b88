#pragma once

#include "app/core/Ladder.h"
#include "app/core/TipoCella.h"
#include "verifica/core/AmateurBands.h"
#include "verifica/core/LadderAnalysis.h"
#include "verifica/core/PartStress.h"
#include "verifica/core/Proposal.h"
#include "verifica/core/Prototype.h"
#include "verifica/core/StandardDesign.h"
#include "verifica/core/StandardValues.h"
#include "verifica/core/Winding.h"

#include <optional>
#include <string>
#include <vector>

namespace ombrana {

// How the inductors are to be made.
struct WindingChoice {
    enum class Kind { Exact, Toroid, AirCoil };
    Kind kind = Kind::Exact;                // Exact: the inductance the design asks for
    std::string core = {};                  // for Toroid: a catalogue designation
    std::optional<double> diameterMm = {};  // for AirCoil; zero or less is refused
    std::optional<double> lengthMm = {};
};

// How the ladder is designed.
struct DesignChoice {
    Response response = Response::Butterworth;
    int elements = 3;
    Series series = Series::E12;
    std::optional<double> maxSwr = kDefaultMaxSwr;  // a Chebyshev ladder with one distinct capacitor ripples up to it

    // The filter window's own cell: three elements, Butterworth.
    bool isCell() const { return response == Response::Butterworth && elements == kFewestElements; }
};

// What the verification starts from: the filter window's last result and
// what the builder has chosen. An input that is missing leaves empty the
// figures that depend on it.
struct VerificationInput {
    TipoCella kind;
    double cutoffMHz;
    double impedanceOhm;
    Cella shown;  // the values the filter window shows: truncated
    std::optional<double> operatingMHz = {};
    std::optional<AmateurBand> band = {};  // the band the operating frequency lies in, when one is chosen
    // The capacitors nearest the ports: for a three-element Butterworth cell
    // the one bought, for a Chebyshev ladder the one its design starts from.
    std::optional<double> builtCapacitorPf = {};
    std::optional<double> builtCapacitor2Pf = {};  // the next distinct value inward
    DesignChoice design = {};
    WindingChoice winding = {};
    std::optional<double> inductorQ = {};  // none: lossless coils
    std::optional<double> powerW = {};
    std::optional<double> loadSwr = {};  // 1 or more; none: a matched load
};

// The figures of one ladder at the operating frequency and its harmonics
// (for a high-pass ladder, at a half and a third of it).
struct LadderFigures {
    std::optional<double> minus3DbMHz;
    std::optional<double> lossDb;
    std::optional<double> swr;
    std::optional<double> loss2Db;
    std::optional<double> loss3Db;
};

// One distinct capacitor of the ladder: as designed and as bought.
struct CapacitorPart {
    std::string name;
    int count;
    double designedPf;
    double builtPf;
    std::optional<ParallelPair> pair;  // the E12 pair in parallel, where it comes nearer
    bool given = false;                // the builder's own value, not one of the series
};

// One distinct inductor of the ladder and how it is made.
struct InductorPart {
    std::string name;
    int count;
    double wanteduH;  // what the design (or the capacitor bought) asks
    std::optional<ToroidWinding> toroid = {};
    std::optional<AirCoilWinding> airCoil = {};
    std::optional<std::string_view> wire = {};  // the thickest wire the toroid takes
    bool noWireFits = false;
    std::optional<double> builtuH = {};  // what the winding gives; none: it cannot be made
};

// Inputs outside the domain of the figures: each empties what depends on it.
enum class Problem {
    CoilSizeZero,            // an air coil of zero diameter or length
    OperatingOutOfRange,     // above 1000 MHz or under a hundredth of the cut-off
    CapacitorTooLarge,       // more than ten times the design's
    SecondCapacitorMissing,  // a Chebyshev ladder with two distinct capacitors
    NoChebyshev,             // the capacitors give no equal ripple up to 3 dB
    LoadSwrUnderOne,         // no load has it: the stress is worked out for a matched load
};

inline constexpr double kHighestOperatingMHz = 1000;

struct VerificationResult {
    std::optional<double> designCutoffMHz;  // the cut-off of the design: the ripple edge for Chebyshev
    std::optional<double> rippleSwr;        // of a Chebyshev design
    std::optional<RatioRange> chebyshevRatios;
    // The -3 dB point of the filter window's truncated values, when they
    // move it more than 2 % from the cut-off.
    std::optional<double> truncatedMinus3DbMHz;
    std::optional<CapacitorChoice> capacitors;       // standard values around a cell's C1
    std::optional<double> inductanceForCapacitoruH;  // keeps a cell's cut-off with the capacitor bought
    std::vector<CapacitorPart> capacitorParts;
    std::vector<InductorPart> inductorParts;
    bool outsideMixRange = false;        // the operating frequency lies outside the core mix's range
    std::optional<double> operatingMHz;  // the operating frequency the figures are at, once accepted
    std::optional<double> harmonic2MHz;  // 2 f or f/2
    std::optional<double> harmonic3MHz;  // 3 f or f/3
    std::optional<Ladder> designed;
    std::optional<Ladder> built;
    LadderFigures asDesigned;
    LadderFigures asBuilt;
    std::optional<std::vector<PartStress>> stress;  // per element of the built ladder, else the designed one
    std::vector<Problem> problems;
};

// 90 % of the cut-off behind a low-pass cell, 110 % behind a high-pass one.
double defaultOperatingMHz(TipoCella kind, double cutoffMHz);

// The inductance that keeps the cut-off with capacitance c, as the
// inductance windows compute it for the cell's kind: K² / (f² · C/2).
std::optional<double> inductanceForCapacitor(TipoCella kind, double capacitancePf, double cutoffMHz);

// What the capacitor fields start from: for a cell the nearest lower E24
// value of its C1; for a longer ladder the design at the cut-off (a
// Chebyshev one for the ripple of the SWR limit), its distinct capacitors
// at the nearest values of the series.
std::vector<double> suggestedCapacitors(TipoCella kind, const DesignChoice& design, double cutoffMHz,
                                        double impedanceOhm);

VerificationResult verify(const VerificationInput& input);

}  // namespace ombrana
