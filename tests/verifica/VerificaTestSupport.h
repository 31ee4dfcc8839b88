#pragma once

#include "app/WindowNames.h"
#include "tests/support/WindowTestSupport.h"
#include "verifica/VerificationWindow.h"

#include <QAction>

namespace ombrana::test {

// Opens the filter window and computes a cell of frequency MHz at 50 ohms;
// nullptr when it cannot.
inline QWidget* computeCell(const QString& filter, const QString& frequency = QStringLiteral("7")) {
    QWidget* w = openWindow(filter);
    FIND_CHILD(QLineEdit, frequencyField, w, "Text1", nullptr);
    FIND_CHILD(QLineEdit, impedanceField, w, "Text2", nullptr);
    frequencyField->setText(frequency);
    impedanceField->setText(QStringLiteral("50"));
    click(w, QStringLiteral("Command6"));
    return w;
}

// Computes the cell and opens its verification from the menu entry;
// nullptr when it cannot.
inline VerificationWindow* verifyFrom(const QString& filter, const QString& frequency = QStringLiteral("7")) {
    QWidget* w = computeCell(filter, frequency);
    if (!w) return nullptr;
    FIND_CHILD(QAction, verifica, w, "verifica", nullptr);
    verifica->trigger();
    return qobject_cast<VerificationWindow*>(finestre().find(nomi::verifica(filter)));
}

// What a label of the window shows.
inline QString label(QWidget* w, const char* name) {
    FIND_CHILD(QLabel, shown, w, QString::fromLatin1(name), QString());
    return shown->text();
}

}  // namespace ombrana::test
