#pragma once

namespace ombrana {

// The system beep, the program's only sound. Counted so that tests can tell
// that a key was refused or an alert started.
void beep();
int beepCount();

}  // namespace ombrana
