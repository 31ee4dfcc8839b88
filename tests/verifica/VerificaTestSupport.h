#pragma once

#include "tests/support/WindowTestSupport.h"
#include "verifica/VerificaWindow.h"

#include <QAction>

namespace ombrana::test {

// Computes a cell of frequency MHz at 50 ohms in the filter window and
// opens its verification from the menu entry.
inline VerificaWindow* verifyFrom(const QString& filter, const QString& frequency = QStringLiteral("7")) {
    QWidget* w = openWindow(filter);
    child<QLineEdit>(w, "Text1")->setText(frequency);
    child<QLineEdit>(w, "Text2")->setText(QStringLiteral("50"));
    click(w, QStringLiteral("Command6"));
    child<QAction>(w, "verifica")->trigger();
    return qobject_cast<VerificaWindow*>(finestre().find(QStringLiteral("Verifica") + filter));
}

// What a label of the window shows.
inline QString label(QWidget* w, const char* name) {
    return child<QLabel>(w, QString::fromLatin1(name))->text();
}

}  // namespace ombrana::test
