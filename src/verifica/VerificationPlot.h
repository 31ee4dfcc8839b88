#pragma once

#include "verifica/ResponsePlot.h"
#include "verifica/core/ResponseCurve.h"
#include "verifica/core/Verification.h"

#include <vector>

namespace ombrana {

// What the response plot shows of a verification, for the window and the
// build sheet alike: the losses as designed and as built over the response
// span of the design's cut-off, and the operating frequency with its two
// harmonics (a half and a third of it behind a high-pass ladder).
PlotData verificationPlot(const VerificationInput& input, const VerificationResult& result,
                          const std::vector<ResponsePoint>& curve);

}  // namespace ombrana
