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

// The texts that the window system (X11) gives some keys: Tab carries "\t",
// Delete U+007F, Enter "\r", Escape U+001B.
inline const QString kTabText = QStringLiteral("\t");
inline const QString kDeleteText = QString(QChar(0x7f));
inline const QString kEnterText = QStringLiteral("\r");
inline const QString kEscapeText = QString(QChar(0x1b));

// Waits until the window is the active one, so that the keyboard reaches
// its focused control.
bool activate(QWidget* window);

// Presses and releases a key as the window system delivers it: to the
// widget that has the keyboard focus, with the text the system gives it.
void pressKey(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Tab and Shift+Tab as the window system delivers them. X11 gives Shift+Tab
// as Key_Backtab.
void pressTab();
void pressBacktab();

// Types text key by key into whichever widget has the focus, each
// character with its key and its text ('\t' is Tab).
void typeToFocus(const QString& text);

// Walks the tab order by keys: from each named control in turn, Tab must
// move the focus to the next one and Shift+Tab back, without a beep.
void checkTabByKeys(QWidget* window, const QStringList& order);

// Puts text into a field as a paste from the context menu would.
void paste(QLineEdit* field, const QString& text);

void click(QWidget* window, const QString& button);

// Closes every window and lets their deferred deletion run.
void closeAllWindows();

}  // namespace ombrana::test
