#include "AllWindows.h"
#include "app/DesktopSetup.h"
#include "app/WindowNames.h"
#include "tests/support/WindowTestSupport.h"

#include <QApplication>
#include <QMenu>
#include <QWindow>

#include <memory>

using namespace ombrana;

namespace {

// An action's text as the user reads it: no mnemonic, no shortcut.
QString shownText(const QAction* action) {
    return action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
}

QWindow* aboveOf(QWidget* w) {
    return w->windowHandle() ? w->windowHandle()->transientParent() : nullptr;
}

// Opens the window and makes it the active one, as a click on it would.
QWidget* openActive(const QString& name) {
    QWidget* w = test::openWindow(name);
    if (!w) return nullptr;
    w->activateWindow();
    if (!QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }))
        qWarning("%s not active", qPrintable(name));
    return w;
}

}  // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        prepareApplication(*qApp);
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void cleanup() { test::closeAllWindows(); }

    void fieldMenuIsItalian() {
        QWidget* w = test::openWindow(nomi::passaBassoPiGreco);
        auto* field = test::child<QLineEdit>(w, QStringLiteral("Text1"));
        QVERIFY(field);
        const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator()) texts << shownText(action);
        for (const char* text : {"Annulla", "Taglia", "Copia", "Incolla", "Seleziona tutto"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), qPrintable(texts.join(QLatin1Char('|'))));
    }

    void programNamesItsDesktopEntry() {
        QCOMPARE(QGuiApplication::desktopFileName(), QString::fromLatin1(kDesktopId));
    }

    // The inductance window follows the filter window that opened it last,
    // and stays open on its own when that window closes.
    void smallWindowStaysAboveItsOpener() {
        QWidget* menu = openActive(nomi::menu);
        test::click(menu, QStringLiteral("Command3"));
        QWidget* first = finestre().find(nomi::passaBassoPiGreco);
        QVERIFY(first);
        QCOMPARE(aboveOf(first), nullptr);  // a large window stands on its own

        QTRY_COMPARE(QApplication::activeWindow(), first);
        test::click(first, QStringLiteral("Command3"));
        QWidget* inductance = finestre().find(nomi::induttanza2);
        QVERIFY(inductance);
        QCOMPARE(aboveOf(inductance), first->windowHandle());

        QWidget* second = openActive(nomi::passaBassoT);
        test::click(second, QStringLiteral("Command3"));
        QCOMPARE(finestre().find(nomi::induttanza2), inductance);
        QTRY_VERIFY(inductance->isVisible());
        QCOMPARE(aboveOf(inductance), second->windowHandle());

        second->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(finestre().isOpen(nomi::induttanza2));
        QVERIFY(inductance->isVisible());
        QCOMPARE(aboveOf(inductance), nullptr);
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
