#pragma once

#include "verifica/core/FigureText.h"
#include "verifica/core/Verification.h"

#include <array>
#include <string>
#include <vector>

namespace ombrana {

// The figures of a verification as the window and the build sheet show
// them: Italian captions, decimal comma, and the empty text for a figure
// that could not be had.
struct FigureRow {
    std::string caption;
    std::string designed;
    std::string built;
};

// One kind of part as the parts list and the build sheet write it.
struct PartText {
    std::string name;    // "C1"
    std::string count;   // "2"
    std::string value;   // "270 pF"
    std::string making;  // "E12", "Toroide T50/2: 22 spire = 2,372 µH, filo 0,80 mm"
    std::string stress;  // "100 V di picco (133 V con ROS 2): da 300 V"
};

struct VerificationText {
    std::array<FigureRow, 5> figures;   // -3 dB, loss, SWR, 2nd and 3rd harmonic
    std::string summary;                // what the design is: response, elements, cut-off, values
    std::string mounting;               // how many of each part the ladder takes
    std::string capacitors;             // the standard values chosen
    std::string pair;                   // a cell's C1 as two E12 values in parallel
    std::string inductance;             // a cell's inductance for the capacitor bought
    std::vector<std::string> windings;  // how to wind each inductor, or why it cannot be
    std::vector<std::string> stress;    // what the power puts on each part
    std::vector<std::string> warnings;
    std::vector<std::string> problems;  // inputs outside the figures' domain, and why
    std::string advice;                 // why the design loses at the operating frequency
    std::vector<PartText> parts;
    std::string builtC1;  // "C1 = 430 pF", for the drawing
    std::string builtL1;

    // What to buy and wind, line by line: the parts to mount, the standard
    // values, a cell's E12 pair and inductance, each winding. The window and
    // the build sheet both list it.
    std::vector<std::string> partsList() const;
};

VerificationText verificationText(const VerificationInput& input, const VerificationResult& result);

// The captions of the figures' rows, for a low-pass or a high-pass ladder.
std::array<std::string, 5> figureCaptions(bool lowPass);

}  // namespace ombrana
