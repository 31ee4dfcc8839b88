#pragma once

class QApplication;

namespace ombrana {

// Registers every window of the program by name.
void registerAllWindows();

// Application-wide set-up shared by the program and its window tests:
// style, font substitutes, every window registered.
void prepareApplication(QApplication& app);

}  // namespace ombrana
