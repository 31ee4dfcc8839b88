#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ombrana {

// A mix's colour code and frequency range, from the toroid window's TAB 2.
struct MixInfo {
    std::string_view colours;
    double fromMHz;
    double toMHz;
};
std::optional<MixInfo> mixOf(std::string_view core);

// Below this many turns the AL rule is least accurate: leads and spacing
// add inductance, and builders spread or remove a turn while measuring.
inline constexpr int kFewTurns = 10;

struct ToroidWinding {
    enum class Outcome {
        Wound,
        OverLimit,  // refused as the toroid window refuses it
        NoTurns,    // no core with data, or turns out of the window's range
    };
    Outcome outcome = Outcome::NoTurns;
    int turns = 0;
    double inductanceuH = 0;  // AL × N² / 10000: what the whole turns give
    std::optional<MixInfo> mix;
    bool fewTurns() const { return outcome == Outcome::Wound && turns < kFewTurns; }
};

// The turns for the inductance on a core picked from the catalogue, by the
// toroid window's own calculation and limit.
ToroidWinding windOnToroid(std::string_view core, double inductanceuH);

// The thickest wire of the table of most turns whose most turns on the
// core's size still take the turns, as the table writes it ("0,80"); nothing
// when even the thinnest does not, or the core's size is not in the table.
std::optional<std::string_view> thickestWire(std::string_view core, int turns);

struct AirCoilWinding {
    enum class Outcome {
        Wound,
        OutOfRange,  // a size or the turns at or beyond the air-core window's limits
        NoTurns,     // sizes or inductance that give no coil
    };
    Outcome outcome = Outcome::NoTurns;
    int turns = 0;
    double inductanceuH = 0;
};

// Wheeler's single-layer formula solved for the turns, rounded to whole
// turns (at least one), and the inductance those turns give.
AirCoilWinding windInAir(double diameterMm, double lengthMm, double inductanceuH);

// Wheeler's formula forwards, without the air-core window's truncation.
double airCoilInductance(double diameterMm, double lengthMm, double turns);

}  // namespace ombrana
