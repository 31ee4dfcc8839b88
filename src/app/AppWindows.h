#pragma once

namespace ombrana {

// Registers the splash and the main menu.
void registerAppWindows();

}  // namespace ombrana
