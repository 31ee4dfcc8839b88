#pragma once

#include "filters/core/CellFormulas.h"
#include "verifica/core/LadderAnalysis.h"
#include "verifica/core/StandardValues.h"
#include "verifica/core/Winding.h"

#include <optional>
#include <string>

namespace ombrana {

// How the inductor is to be made.
struct WindingChoice {
    enum class Kind { Exact, Toroid, AirCoil };
    Kind kind = Kind::Exact;  // Exact: the inductance the capacitor asks for
    std::string core;         // for Toroid: a catalogue designation
    std::optional<double> diameterMm = {};
    std::optional<double> lengthMm = {};
};

// What the verification starts from: the filter window's last result and
// what the builder has chosen. An input that is missing leaves empty the
// figures that depend on it.
struct VerificationInput {
    TipoCella tipo;
    double cutoffMHz;
    double impedanceOhm;
    double c1Pf;  // as the filter window shows them
    double l1uH;
    std::optional<double> operatingMHz = {};
    std::optional<double> builtCapacitorPf = {};
    WindingChoice winding = {};
    std::optional<double> inductorQ = {};  // none: lossless coils
};

// The figures of one cell at the operating frequency and its harmonics
// (for a high-pass cell, at a half and a third of it).
struct CellFigures {
    std::optional<double> minus3DbMHz;
    std::optional<double> lossDb;
    std::optional<double> swr;
    std::optional<double> loss2Db;
    std::optional<double> loss3Db;
};

struct VerificationResult {
    std::optional<CapacitorChoice> capacitors;       // standard values around C1
    std::optional<double> inductanceForCapacitoruH;  // keeps the cut-off with the capacitor bought
    std::optional<ToroidWinding> toroid;
    std::optional<AirCoilWinding> airCoil;
    bool outsideMixRange = false;  // the operating frequency lies outside the core mix's range
    std::optional<double> builtCapacitorPf;
    std::optional<double> builtInductanceuH;
    std::optional<double> harmonic2MHz;  // 2 f or f/2
    std::optional<double> harmonic3MHz;  // 3 f or f/3
    std::optional<Ladder> designed;
    std::optional<Ladder> built;
    CellFigures asDesigned;
    CellFigures asBuilt;
};

// 90 % of the cut-off behind a low-pass cell, 110 % behind a high-pass one.
double defaultOperatingMHz(TipoCella tipo, double cutoffMHz);

// The inductance that keeps the cut-off with capacitance c, as the
// inductance windows compute it for the cell's kind: K² / (f² · C/2).
std::optional<double> inductanceForCapacitor(TipoCella tipo, double capacitancePf, double cutoffMHz);

VerificationResult verify(const VerificationInput& input);

}  // namespace ombrana
