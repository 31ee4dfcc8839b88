#pragma once

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

struct VerificationText {
    std::array<FigureRow, 5> figures;  // -3 dB, loss, SWR, 2nd and 3rd harmonic
    std::string mounting;              // how many of each part the cell takes
    std::string capacitors;            // standard values around C1
    std::string inductance;            // the inductance for the capacitor bought
    std::string winding;               // how to wind it, or why it cannot be
    std::vector<std::string> warnings;
    std::string builtC1;  // "C1 = 430 pF", for the drawing
    std::string builtL1;
};

VerificationText verificationText(const VerificationInput& input, const VerificationResult& result);

// A figure rounded to the given decimals, as decimal text with the comma.
std::string figureText(std::optional<double> value, int decimals);

}  // namespace ombrana
