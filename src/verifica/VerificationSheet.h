#pragma once

#include "verifica/BuildSheet.h"
#include "verifica/core/VerificationText.h"

namespace ombrana {

// The build sheet of a verification: the ladder as built with its values,
// what the figures come from, the parts with their stress, the notes, the
// figures and the plot the window shows.
BuildSheet verificationSheet(const QString& title, const VerificationInput& input, const VerificationText& text,
                             PlotData plot);

}  // namespace ombrana
