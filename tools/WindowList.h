#pragma once

#include <QStringList>

namespace ombrana::tools {

// Every window name the program knows whose window is registered in this
// build, in the order of the names' list: splash, menu, filter designers,
// inductance, toroid and calculator windows, read-me and example windows.
QStringList registeredWindows();

// Every window name of the program, registered or not.
QStringList allWindowNames();

// Whether the window is one of the four filter designers.
bool isFilterWindow(const QString& name);

}  // namespace ombrana::tools
