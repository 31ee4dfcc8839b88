#pragma once

namespace ombrana {

// Registers this subsystem's windows with the window registry.
void registerHelpWindows();

}  // namespace ombrana
