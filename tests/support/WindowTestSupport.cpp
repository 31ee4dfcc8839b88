#include "tests/support/WindowTestSupport.h"

#include <QApplication>

namespace ombrana::test {
namespace {

// The offscreen platform warns about every raise() and size hint; those
// lines say nothing about the program and would bury real warnings.
QtMessageHandler g_previous = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (g_previous) g_previous(type, context, message);
}

// Installed on the first window a test opens, after the test runner has
// put its own handler in place.
void quietPlatformWarnings() {
    static const bool installed = [] {
        g_previous = qInstallMessageHandler(quietHandler);
        return true;
    }();
    (void)installed;
}

}  // namespace

QWidget* openWindow(const QString& name) {
    quietPlatformWarnings();
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
