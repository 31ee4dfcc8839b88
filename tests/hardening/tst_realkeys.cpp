// Keys through the window system's own delivery: on the xcb platform (CI
// runs it under Xvfb, scripts/ci/xvfb.sh) xdotool presses real keys on the
// X server, which hands them to the focused window with the texts X11 gives
// them ("\t" for Tab, U+007F for Delete). Tab out of the numeric fields, the
// toroid core picker and the calculator keys. On other platforms the test
// skips: the window tests send the same texts with QTest there.
#include "app/Beep.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "tests/hardening/HardeningSupport.h"
#include "tests/support/WindowTestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>

using namespace ombrana;
using namespace ombrana::hardening;

namespace {

// Runs xdotool with these arguments; true when it ran and succeeded.
bool xdotool(const QStringList& arguments) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), arguments);
    if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning("xdotool %s: %s", qPrintable(arguments.join(' ')), p.readAllStandardError().constData());
        return false;
    }
    return true;
}

bool keys(const QStringList& names) {
    return xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")} + names);
}

bool typeText(const QString& text) {
    return xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text});
}

// Lets the X server's events arrive and be handled.
void settle() {
    QTest::qWait(150);
}

QString focusName() {
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName() : QStringLiteral("(no focus)");
}

}  // namespace

class TestRealKeys : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("real key delivery needs the xcb platform on an X server (scripts/ci/xvfb.sh)");
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(),
                 "xdotool is missing: scripts/ci/install-ci-deps.sh installs it");
        prepareProgram();
    }
    void cleanup() { test::closeAllWindows(); }

    void filterWindowByKeyboard_data() {
        QTest::addColumn<QString>("window");
        for (const QString& name :
             {nomi::passaBassoPiGreco, nomi::passaAltoPiGreco, nomi::passaBassoT, nomi::passaAltoT})
            QTest::newRow(qPrintable(name)) << name;
    }
    void filterWindowByKeyboard() {
        QFETCH(QString, window);
        QWidget* w = test::openWindow(window);
        QVERIFY(test::activate(w));
        FIND_CHILD(QLineEdit, frequency, w, "Text1");
        FIND_CHILD(QLineEdit, impedance, w, "Text2");
        QTRY_COMPARE(focusName(), QStringLiteral("Text1"));
        const int beeps = beepCount();
        QVERIFY(typeText(QStringLiteral("7.1")));
        QVERIFY(keys({QStringLiteral("Tab")}));
        QVERIFY(typeText(QStringLiteral("50")));
        QTRY_COMPARE(impedance->text(), QStringLiteral("50"));
        QCOMPARE(frequency->text(), QStringLiteral("7,1"));
        QVERIFY(keys({QStringLiteral("Tab")}));
        QTRY_COMPARE(focusName(), QStringLiteral("Command6"));
        QVERIFY(keys({QStringLiteral("shift+Tab"), QStringLiteral("shift+Tab")}));
        QTRY_COMPARE(focusName(), QStringLiteral("Text1"));
        // Delete (U+007F on X11) deletes, keypad decimal types a comma.
        QVERIFY(keys({QStringLiteral("Home"), QStringLiteral("Delete"), QStringLiteral("End"),
                      QStringLiteral("KP_Decimal"), QStringLiteral("5")}));
        QTRY_COMPARE(frequency->text(), QStringLiteral(",1,5"));
        settle();
        QCOMPARE(beepCount(), beeps);
        // Refused keys still beep, once each.
        QVERIFY(
            keys({QStringLiteral("a"), QStringLiteral("minus"), QStringLiteral("Return"), QStringLiteral("ctrl+v")}));
        QTRY_COMPARE(beepCount(), beeps + 4);
        settle();
        QCOMPARE(beepCount(), beeps + 4);
        QCOMPARE(frequency->text(), QStringLiteral(",1,5"));
    }

    void toroidPicker() {
        QWidget* w = test::openWindow(nomi::tabelle);
        QVERIFY(test::activate(w));
        QTRY_COMPARE(focusName(), QStringLiteral("Text2"));
        FIND_CHILD(QComboBox, combo, w, "cboToroidi");
        const int beeps = beepCount();
        QVERIFY(keys({QStringLiteral("Tab")}));
        QTRY_COMPARE(focusName(), QStringLiteral("cboToroidi"));
        combo->setEditText(QString());
        QVERIFY(typeText(QStringLiteral("T50/2")));
        QTRY_COMPARE(combo->currentText(), QStringLiteral("T50/2"));
        // The maker's way: the minus types the slash, a lower-case t the T.
        combo->setEditText(QString());
        QVERIFY(typeText(QStringLiteral("t50-2")));
        QTRY_COMPARE(combo->currentText(), QStringLiteral("T50/2"));
        QVERIFY(keys({QStringLiteral("KP_Subtract")}));
        QTRY_COMPARE(combo->currentText(), QStringLiteral("T50/2/"));
        QVERIFY(keys({QStringLiteral("BackSpace")}));
        QTRY_COMPARE(combo->currentText(), QStringLiteral("T50/2"));
        settle();
        QCOMPARE(beepCount(), beeps);
        const int items = combo->count();
        for (const char* key : {"x", "ctrl+t", "space", "Return", "period", "ctrl+v"}) {
            const int before = beepCount();
            QVERIFY(keys({QString::fromLatin1(key)}));
            QTRY_VERIFY2(beepCount() == before + 1, key);
            settle();
            QVERIFY2(beepCount() == before + 1, key);
            QVERIFY2(combo->currentText() == QStringLiteral("T50/2"), key);
        }
        QCOMPARE(combo->count(), items);
        QVERIFY(keys({QStringLiteral("BackSpace")}));
        QTRY_COMPARE(combo->currentText(), QStringLiteral("T50/"));
        QVERIFY(keys({QStringLiteral("Tab")}));
        QTRY_COMPARE(focusName(), QStringLiteral("Command2"));
        QVERIFY(keys({QStringLiteral("shift+Tab"), QStringLiteral("shift+Tab")}));
        QTRY_COMPARE(focusName(), QStringLiteral("Text2"));
    }

    // Enter on the splash's focused "CONTINUA" opens the menu; Tab, then
    // the space bar on "FINE", ends it.
    void splashButtonsByKeys_data() {
        QTest::addColumn<QStringList>("keyNames");
        QTest::addColumn<bool>("menuOpens");
        // clang-format off
        QTest::newRow("Enter on CONTINUA") << QStringList{QStringLiteral("Return")} << true;
        QTest::newRow("keypad Enter on CONTINUA") << QStringList{QStringLiteral("KP_Enter")} << true;
        QTest::newRow("space on FINE") << QStringList{QStringLiteral("Tab"), QStringLiteral("space")} << false;
        QTest::newRow("a on CONTINUA") << QStringList{QStringLiteral("a")} << false;
        // clang-format on
    }
    void splashButtonsByKeys() {
        QFETCH(QStringList, keyNames);
        QFETCH(bool, menuOpens);
        QWidget* s = test::openWindow(nomi::splash);
        QVERIFY(test::activate(s));
        QTRY_COMPARE(focusName(), QStringLiteral("Command1"));
        QVERIFY(keys(keyNames));
        QTRY_VERIFY(!finestre().isOpen(nomi::splash));
        QCOMPARE(finestre().isOpen(nomi::menu), menuOpens);
    }

    // A lone Alt leads into the menu bar; a letter there chooses its entry.
    // Alt+letter from a field does the same at once.
    void menuBarByAlt() {
        QWidget* w = test::openWindow(nomi::passaBassoPiGreco);
        QVERIFY(test::activate(w));
        FIND_CHILD(QLineEdit, frequency, w, "Text1");
        FIND_CHILD(QMenuBar, bar, w, QString());
        QTRY_COMPARE(focusName(), QStringLiteral("Text1"));
        QVERIFY(keys({QStringLiteral("alt")}));
        QTRY_COMPARE(QApplication::focusWidget(), bar);
        QVERIFY(keys({QStringLiteral("Escape")}));
        QTRY_COMPARE(focusName(), QStringLiteral("Text1"));
        QVERIFY(keys({QStringLiteral("alt"), QStringLiteral("c")}));
        QTRY_VERIFY(finestre().isOpen(nomi::calcolatrice));
        finestre().close(nomi::calcolatrice);
        QVERIFY(test::activate(w));
        QTRY_COMPARE(focusName(), QStringLiteral("Text1"));
        QVERIFY(keys({QStringLiteral("alt+v")}));
        QTRY_VERIFY(finestre().isOpen(nomi::verificaPassaBassoPiGreco));
        QCOMPARE(frequency->text(), QString());
    }

    void calculatorKeys() {
        QWidget* w = test::openWindow(nomi::calcolatrice);
        QVERIFY(test::activate(w));
        FIND_CHILD(QLabel, readout, w, "Readout");
        QVERIFY(typeText(QStringLiteral("12+3")));
        QVERIFY(keys({QStringLiteral("Return")}));
        QTRY_COMPARE(readout->text(), QStringLiteral("15"));
        settle();
        QCOMPARE(readout->text(), QStringLiteral("15"));
        QVERIFY(keys({QStringLiteral("Escape")}));
        QTRY_COMPARE(readout->text(), QStringLiteral("0,"));
        QVERIFY(typeText(QStringLiteral("2x4.5")));
        QVERIFY(keys({QStringLiteral("KP_Add"), QStringLiteral("7"), QStringLiteral("Delete"), QStringLiteral("1"),
                      QStringLiteral("KP_Enter")}));
        QTRY_COMPARE(readout->text(), QStringLiteral("10"));
        QVERIFY(typeText(QStringLiteral("*3=")));
        QTRY_COMPARE(readout->text(), QStringLiteral("30"));
    }
};

QTEST_MAIN(TestRealKeys)
#include "tst_realkeys.moc"
