#include "tests/support/WindowTestSupport.h"

#include "app/QuietMessages.h"

#include <QApplication>

namespace ombrana::test {
QWidget* openWindow(const QString& name) {
    quietPlatformNotes();
    QWidget* w = finestre().open(name);
    if (w && !QTest::qWaitForWindowExposed(w)) qWarning("window %s not exposed", qPrintable(name));
    return w;
}

void type(QWidget* field, const QString& text) {
    for (const QChar c : text) QTest::keyClick(field, c.toLatin1());
}

void paste(QLineEdit* field, const QString& text) {
    field->selectAll();
    field->insert(text);
}

void click(QWidget* window, const QString& button) {
    auto* b = child<QPushButton>(window, button);
    if (b) QTest::mouseClick(b, Qt::LeftButton);
}

void closeAllWindows() {
    finestre().closeAll();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

}  // namespace ombrana::test
