#pragma once

#include "app/WindowRegistry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace ombrana::test {

// Opens a window through the registry and waits until it is shown.
QWidget* openWindow(const QString& name);

// The named control of a window, failing the test when it is missing.
template <typename T>
T* child(QWidget* window, const QString& name) {
    T* w = window ? window->findChild<T*>(name) : nullptr;
    if (!w)
        QTest::qFail(qPrintable(QStringLiteral("window %1 has no %2 named %3")
                                    .arg(window ? window->objectName() : QStringLiteral("(none)"),
                                         QString::fromLatin1(T::staticMetaObject.className()), name)),
                     __FILE__, __LINE__);
    return w;
}

// Types text into a field key by key, as a user would.
void type(QWidget* field, const QString& text);

// Puts text into a field as a paste from the context menu would.
void paste(QLineEdit* field, const QString& text);

void click(QWidget* window, const QString& button);

// Closes every window and lets their deferred deletion run.
void closeAllWindows();

}  // namespace ombrana::test
