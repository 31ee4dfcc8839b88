#include "tests/support/WindowTestSupport.h"

#include "app/Beep.h"
#include "app/QuietMessages.h"

#include <QApplication>

namespace ombrana::test {
QWidget* openWindow(const QString& name) {
    quietPlatformNotes();
    QWidget* w = finestre().open(name);
    if (w && !QTest::qWaitForWindowExposed(w)) qWarning("window %s not exposed", qPrintable(name));
    return w;
}

void failLookup(const QObject* window, const char* type, const QString& name, const char* file, int line) {
    QString message = QStringLiteral("window %1 has no %2")
                          .arg(window ? window->objectName() : QStringLiteral("(none)"), QString::fromLatin1(type));
    if (!name.isEmpty()) message += QStringLiteral(" named ") + name;
    QTest::qFail(qPrintable(message), file, line);
}

void type(QWidget* field, const QString& text) {
    for (const QChar c : text) QTest::keyClick(field, c.toLatin1());
}

bool activate(QWidget* window) {
    if (!window) return false;
    window->activateWindow();
    window->raise();
    return QTest::qWaitForWindowActive(window);
}

void pressKey(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget();
    if (!target) {
        QTest::qFail("no widget has the keyboard focus", __FILE__, __LINE__);
        return;
    }
    QTest::sendKeyEvent(QTest::Click, target, key, text, modifiers);
}

void pressTab() {
    pressKey(Qt::Key_Tab, kTabText);
}

void pressBacktab() {
    pressKey(Qt::Key_Backtab, QString(), Qt::ShiftModifier);
}

void typeToFocus(const QString& text) {
    for (const QChar c : text) {
        if (c == QLatin1Char('\t')) {
            pressTab();
            continue;
        }
        const char ascii = c.toLatin1();
        Qt::Key key = Qt::Key(QChar(ascii).toUpper().unicode());
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        if (ascii >= 'A' && ascii <= 'Z') modifiers = Qt::ShiftModifier;
        if (ascii == ' ') key = Qt::Key_Space;
        pressKey(key, QString(c), modifiers);
    }
}

void checkTabByKeys(QWidget* window, const QStringList& order) {
    QVERIFY(activate(window));
    for (int i = 0; i + 1 < order.size(); ++i) {
        FIND_CHILD(QWidget, from, window, order.at(i));
        from->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), from);
        const int beeps = beepCount();
        pressTab();
        QVERIFY2(QApplication::focusWidget(), qPrintable(QStringLiteral("Tab from %1 left no focus").arg(order.at(i))));
        QCOMPARE(QApplication::focusWidget()->objectName(), order.at(i + 1));
        pressBacktab();
        QCOMPARE(QApplication::focusWidget()->objectName(), order.at(i));
        // Shift+Tab with the text "\t" too, as some systems give it.
        pressTab();
        pressKey(Qt::Key_Backtab, kTabText, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.at(i));
        QCOMPARE(beepCount(), beeps);
    }
}

void paste(QLineEdit* field, const QString& text) {
    field->selectAll();
    field->insert(text);
}

void click(QWidget* window, const QString& button) {
    FIND_CHILD(QPushButton, b, window, button);
    QTest::mouseClick(b, Qt::LeftButton);
}

void closeAllWindows() {
    finestre().closeAll();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

}  // namespace ombrana::test
