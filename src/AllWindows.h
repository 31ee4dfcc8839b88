#pragma once

class QApplication;

namespace ombrana {

// Registers every window of the program by name.
void registerAllWindows();

// Application-wide set-up shared by the program's start and its window
// tests: style, font substitutes, every window registered, the desktop
// entry's id, the toolkit's Italian texts.
void prepareApplication(QApplication& app);

// The program's start, as main() makes it: the same set-up and the splash,
// with the toolkit's Italian texts left until the splash's first frame is
// out (only context menus and dialogs use them, and none can open before).
void startProgram(QApplication& app);

}  // namespace ombrana
