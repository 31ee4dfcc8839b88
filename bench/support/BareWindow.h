#pragma once

#include <QString>

class QWidget;

namespace ombrana::bench {

// The reference: the plainest Qt Widgets window, one window with one label.
inline const QString kBareName = QStringLiteral("bare");
QWidget* makeBareWindow();

}  // namespace ombrana::bench
