#pragma once

#include "app/WindowRegistry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace ombrana::test {

// Opens a window through the registry and waits until it is shown.
QWidget* openWindow(const QString& name);

// The child of window (a window, a control, any object) with that name and
// type; nullptr when it has none.
template <typename T>
T* findNamed(const QObject* window, const QString& name) {
    return window ? window->findChild<T*>(name) : nullptr;
}

// Fails the current test at file:line: window has no child of that type and
// name.
void failLookup(const QObject* window, const char* type, const QString& name, const char* file, int line);

// FIND_CHILD(Type, var, window, name) declares var, the child of window with
// that name and type. When there is none, the test fails with the window, the
// type and the name, and the function returns, as QVERIFY does. A helper that
// returns a value names what it returns then: FIND_CHILD(QLabel, l, w,
// "Label7", QString()). window and name are evaluated again on failure.
#define FIND_CHILD(Type, var, window, name, ...)                    \
    Type* var = ::ombrana::test::findNamed<Type>((window), (name)); \
    if (!var) return ::ombrana::test::failLookup((window), #Type, (name), __FILE__, __LINE__) __VA_OPT__(, __VA_ARGS__)

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
