#pragma once

class QApplication;

namespace ombrana {

// Registers every window of the program by name.
void registerAllWindows();

// Application-wide set-up shared by the program's start and its window
// tests: style, font substitutes, every window registered, the desktop
// entry's id, the toolkit's Italian texts.
void prepareApplication(QApplication& app);

// The program's start, as main() and the start-up benchmark make it: that
// set-up, then the splash.
void startProgram(QApplication& app);

}  // namespace ombrana
