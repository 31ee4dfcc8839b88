#include "bench/support/BareWindow.h"

#include <QLabel>
#include <QWidget>

namespace ombrana::bench {

QWidget* makeBareWindow() {
    auto* window = new QWidget;
    window->setObjectName(kBareName);
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto* label = new QLabel(QStringLiteral("Qt"), window);
    label->move(10, 10);
    return window;
}

}  // namespace ombrana::bench
