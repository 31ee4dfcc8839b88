#pragma once

namespace ombrana {

// Registers the four verification windows, one for each filter window.
void registerVerificationWindows();

}  // namespace ombrana
