#pragma once

#include <functional>

class QWidget;

namespace ombrana {

// Runs set-up that a window does not need for its first frame: once the
// window has been painted, on the next turn of the event loop, so that the
// frame is out first; or at once when a key or a click reaches the window
// before that, so that nothing the input opens finds the set-up missing.
// Runs at most once, and not at all if the window goes first.
void runAfterFirstPaint(QWidget* window, std::function<void()> work);

}  // namespace ombrana
