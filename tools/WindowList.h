#pragma once

#include <QStringList>

namespace ombrana::tools {

// Every window registered in this build, in the order of registration:
// splash, menu, filter designers, inductance, toroid and calculator windows,
// read-me and example windows.
QStringList registeredWindows();

// Whether the window is one of the four filter designers.
bool isFilterWindow(const QString& name);

// The filter window whose cell the named window verifies; empty for a window
// that verifies none.
QString verifiedFilterWindow(const QString& name);

}  // namespace ombrana::tools
