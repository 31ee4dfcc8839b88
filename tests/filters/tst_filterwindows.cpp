#include "app/AppWindows.h"
#include "app/Beep.h"
#include "app/InputAlert.h"
#include "app/WindowNames.h"
#include "app/WindowPrinter.h"
#include "filters/FilterWindow.h"
#include "tests/support/WindowTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QScopeGuard>
#include <QSignalSpy>

using namespace ombrana;
using namespace std::chrono_literals;

namespace {

// Control names that differ between the four windows.
struct Names {
    QString window, c1, l1, clear, close, alert;
};

const Names kNames[] = {
    {nomi::passaBassoPiGreco, "Label7", "Label6", "Command2", "Command1", "errore6"},
    {nomi::passaAltoPiGreco, "Label10", "Label12", "Command1", "Command2", "ERRORE4"},
    {nomi::passaBassoT, "Label10", "Label12", "Command1", "Command2", "errore5"},
    {nomi::passaAltoT, "Label11", "Label12", "Command2", "Command1", "errore3"},
};

void addWindowColumn() {
    QTest::addColumn<int>("which");
    for (int i = 0; i < 4; ++i) QTest::newRow(qPrintable(kNames[i].window)) << i;
}

// What a label or a field of the window shows.
QString text(QWidget* w, const QString& name) {
    FIND_CHILD(QWidget, control, w, name, QString());
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    return QStringLiteral("<%1 is no label or field>").arg(name);
}

}  // namespace

class TestFilterWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        registerAppWindows();
        registerFilterWindows();
        // Stand-ins for the calculator, to see who closes it, and for the
        // other windows that the filter windows open.
        for (const QString& name : {nomi::calcolatrice, nomi::induttanza, nomi::induttanza2, nomi::induttanzaAria,
                                    nomi::tabelle, nomi::leggimiPassaBassoPiGreco, nomi::leggimiPassaAltoPiGreco,
                                    nomi::leggimiPassaBassoT, nomi::leggimiPassaAltoT})
            if (!finestre().isRegistered(name)) finestre().registerWindow(name, [] { return new QWidget; });
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void init() { InputAlert::setSecondDuration(20ms); }
    void cleanup() {
        setPrintSinkForTests({});
        test::closeAllWindows();
    }

    void startsEmptyWithFocusInFrequency_data() { addWindowColumn(); }
    void startsEmptyWithFocusInFrequency() {
        QFETCH(int, which);
        const Names& n = kNames[which];
        QWidget* w = test::openWindow(n.window);
        QVERIFY(w);
        QCOMPARE(w->objectName(), n.window);
        QVERIFY(w->isMaximized());
        for (const QString& name : {QStringLiteral("Text1"), QStringLiteral("Text2"), n.c1, n.l1})
            QCOMPARE(text(w, name), QString());
        FIND_CHILD(QLabel, banner, w, "Label13");
        FIND_CHILD(QWidget, frequency, w, "Text1");
        QVERIFY(!banner->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), frequency);
        for (const char* name :
             {"Label1", "Label2", "Label3", "Frame1", "Frame2", "Command3", "Command4", "Command5", "Command6"}) {
            FIND_CHILD(QWidget, control, w, name);
        }
        FIND_CHILD(QObject, alert, w, n.alert);
        for (const char* name : {"leggimi", "calcolatrice", "stampa"}) {
            FIND_CHILD(QAction, entry, w, name);
        }
    }

    void calculates_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("f");
        QTest::addColumn<QString>("z");
        QTest::addColumn<QString>("c1");
        QTest::addColumn<QString>("l1");
        // clang-format off
        QTest::newRow("PassaBpig 7/50") << 0 << "7" << "50" << "454,7" << "2,27";
        QTest::newRow("PassaApig 7/50") << 1 << "7" << "50" << "227,3" << "1,13";
        QTest::newRow("PassaBaT 7/50") << 2 << "7" << "50" << "909,4" << "1,13";
        QTest::newRow("PassaAltoaT 7/50") << 3 << "7" << "50" << "454,7" << "0,56";
        QTest::newRow("PassaApig 5/450") << 1 << "5" << "450" << "35,3" << "14,31";
        QTest::newRow("PassaBaT 0,5/600") << 2 << "0,5" << "600" << "1061" << "190,8";
        QTest::newRow("PassaBpig 300 accepted") << 0 << "300" << "50" << "10,6" << "0,05";
        QTest::newRow("PassaBpig empty impedance") << 0 << "7" << "" << "" << "";
        QTest::newRow("PassaApig lone comma impedance") << 1 << "7" << "," << "" << "";
        QTest::newRow("PassaBaT lone comma impedance") << 2 << "7" << "," << "" << "";
        QTest::newRow("PassaAltoaT 1,2,3 frequency") << 3 << "1,2,3" << "50" << "" << "";
        QTest::newRow("PassaApig zero frequency") << 1 << "0" << "50" << "" << "";
        QTest::newRow("PassaBpig zero impedance") << 0 << "7" << "0" << "" << "";
        QTest::newRow("PassaBpig above 300, empty impedance") << 0 << "301" << "" << "" << "";
        // clang-format on
    }
    void calculates() {
        QFETCH(int, which);
        QFETCH(QString, f);
        QFETCH(QString, z);
        QFETCH(QString, c1);
        QFETCH(QString, l1);
        const Names& n = kNames[which];
        QWidget* w = test::openWindow(n.window);
        FIND_CHILD(QLineEdit, frequency, w, "Text1");
        FIND_CHILD(QLineEdit, impedance, w, "Text2");
        FIND_CHILD(QLabel, banner, w, "Label13");
        // An earlier result, to see that a press replaces or empties it.
        test::type(frequency, "14");
        test::type(impedance, "50");
        test::click(w, "Command6");
        QVERIFY(!text(w, n.c1).isEmpty());

        test::paste(frequency, f);
        test::paste(impedance, z);
        const int beeps = beepCount();
        test::click(w, "Command6");
        QCOMPARE(text(w, n.c1), c1);
        QCOMPARE(text(w, n.l1), l1);
        QCOMPARE(beepCount(), beeps);
        QVERIFY(!banner->isVisible());
        QCOMPARE(text(w, "Text1"), f);
        QCOMPARE(text(w, "Text2"), z);
        test::click(w, "Command6");  // nothing accumulates
        QCOMPARE(text(w, n.c1), c1);
    }

    void pastedNegativeEmptiesResults_data() { addWindowColumn(); }
    void pastedNegativeEmptiesResults() {
        QFETCH(int, which);
        QWidget* w = test::openWindow(kNames[which].window);
        FIND_CHILD(QLineEdit, frequency, w, "Text1");
        FIND_CHILD(QLineEdit, impedance, w, "Text2");
        test::type(frequency, "7");
        test::type(impedance, "50");
        test::click(w, "Command6");
        test::paste(frequency, "-7");
        test::click(w, "Command6");
        QCOMPARE(text(w, kNames[which].c1), QString());
        QCOMPARE(text(w, kNames[which].l1), QString());
    }

    void alertAboveThreeHundred_data() { addWindowColumn(); }
    void alertAboveThreeHundred() {
        QFETCH(int, which);
        const Names& n = kNames[which];
        QWidget* w = test::openWindow(n.window);
        FIND_CHILD(QLineEdit, f, w, "Text1");
        FIND_CHILD(QLineEdit, impedance, w, "Text2");
        FIND_CHILD(QLabel, banner, w, "Label13");
        const QString caption = banner->text();
        test::type(f, "7");
        test::type(impedance, "50");
        test::click(w, "Command6");
        const QString c1 = text(w, n.c1);

        f->clear();
        test::type(f, "300,01");
        const int beeps = beepCount();
        test::click(w, "Command6");
        QCOMPARE(beepCount(), beeps + 1);
        QVERIFY(banner->isVisible());
        QVERIFY(f->text().isEmpty());
        QCOMPARE(text(w, n.c1), c1);  // earlier results stay during the wait
        test::type(f, "12");
        QVERIFY(f->text().isEmpty());
        QTRY_VERIFY(!banner->isVisible());
        QCOMPARE(text(w, n.c1), QString());
        QCOMPARE(text(w, n.l1), QString());
        QCOMPARE(text(w, "Text2"), QStringLiteral("50"));
        QCOMPARE(banner->text(), caption);
        QCOMPARE(beepCount(), beeps + 1);
    }

    void cancellaDuringAlert() {
        const Names& n = kNames[0];
        QWidget* w = test::openWindow(n.window);
        FIND_CHILD(QLabel, banner, w, "Label13");
        FIND_CHILD(QLineEdit, frequency, w, "Text1");
        FIND_CHILD(QLineEdit, impedance, w, "Text2");
        test::type(frequency, "301");
        test::type(impedance, "50");
        test::click(w, "Command6");
        QVERIFY(banner->isVisible());
        test::click(w, n.clear);
        QCOMPARE(text(w, "Text2"), QString());
        QVERIFY(banner->isVisible());  // the banner keeps its time
        QTRY_VERIFY(!banner->isVisible());
    }

    void closingDuringAlertLeavesItClosed() {
        QWidget* w = test::openWindow(nomi::passaAltoT);
        FIND_CHILD(QLineEdit, frequency, w, "Text1");
        FIND_CHILD(QLineEdit, impedance, w, "Text2");
        test::type(frequency, "400");
        test::type(impedance, "50");
        test::click(w, "Command6");
        QPointer<QWidget> window = w;
        w->close();
        QTRY_VERIFY(window.isNull());
        QVERIFY(!finestre().isOpen(nomi::passaAltoT));
    }

    // Every key with the text that the window system gives it, sent to the
    // focused field.
    void keyFilter_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("keyText");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("beeps");
        // clang-format off
        QTest::newRow("digit") << int(Qt::Key_5) << "5" << int(Qt::NoModifier) << "125" << false;
        QTest::newRow("comma") << int(Qt::Key_Comma) << "," << int(Qt::NoModifier) << "12," << false;
        QTest::newRow("point types a comma") << int(Qt::Key_Period) << "." << int(Qt::NoModifier) << "12," << false;
        QTest::newRow("keypad decimal point") << int(Qt::Key_Period) << "." << int(Qt::KeypadModifier) << "12," << false;
        QTest::newRow("keypad decimal, Italian layout") << int(Qt::Key_Period) << "," << int(Qt::KeypadModifier) << "12," << false;
        QTest::newRow("keypad digit") << int(Qt::Key_7) << "7" << int(Qt::KeypadModifier) << "127" << false;
        QTest::newRow("letter") << int(Qt::Key_A) << "a" << int(Qt::NoModifier) << "12" << true;
        QTest::newRow("greater-than (shift+point)") << int(Qt::Key_Greater) << ">" << int(Qt::ShiftModifier) << "12" << true;
        QTest::newRow("minus") << int(Qt::Key_Minus) << "-" << int(Qt::NoModifier) << "12" << true;
        QTest::newRow("keypad minus") << int(Qt::Key_Minus) << "-" << int(Qt::KeypadModifier) << "12" << true;
        QTest::newRow("space") << int(Qt::Key_Space) << " " << int(Qt::NoModifier) << "12" << true;
        QTest::newRow("enter") << int(Qt::Key_Return) << test::kEnterText << int(Qt::NoModifier) << "12" << true;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << test::kEnterText << int(Qt::KeypadModifier) << "12" << true;
        QTest::newRow("escape") << int(Qt::Key_Escape) << test::kEscapeText << int(Qt::NoModifier) << "12" << true;
        QTest::newRow("ctrl+v") << int(Qt::Key_V) << QString(QChar(0x16)) << int(Qt::ControlModifier) << "12" << true;
        QTest::newRow("ctrl+z") << int(Qt::Key_Z) << QString(QChar(0x1a)) << int(Qt::ControlModifier) << "12" << true;
        QTest::newRow("ctrl+point") << int(Qt::Key_Period) << "." << int(Qt::ControlModifier) << "12" << true;
        QTest::newRow("alt+point") << int(Qt::Key_Period) << "." << int(Qt::AltModifier) << "12" << true;
        QTest::newRow("ctrl+keypad decimal") << int(Qt::Key_Period) << "." << int(Qt::ControlModifier | Qt::KeypadModifier) << "12" << true;
        QTest::newRow("keypad decimal without text") << int(Qt::Key_Period) << "" << int(Qt::KeypadModifier) << "12," << false;
        QTest::newRow("keypad comma without text") << int(Qt::Key_Comma) << "" << int(Qt::KeypadModifier) << "12," << false;
        QTest::newRow("shift+insert") << int(Qt::Key_Insert) << "" << int(Qt::ShiftModifier) << "12" << true;
        // clang-format on
    }
    void keyFilter() {
        QFETCH(int, key);
        QFETCH(QString, keyText);
        QFETCH(int, modifiers);
        QFETCH(QString, after);
        QFETCH(bool, beeps);
        QWidget* w = test::openWindow(nomi::passaBassoT);
        QVERIFY(test::activate(w));
        QApplication::clipboard()->setText(QStringLiteral("99"));
        for (const char* name : {"Text1", "Text2"}) {
            FIND_CHILD(QLineEdit, field, w, name);
            field->setFocus(Qt::OtherFocusReason);
            QTRY_COMPARE(QApplication::focusWidget(), field);
            test::typeToFocus("12");
            const int before = beepCount();
            test::pressKey(Qt::Key(key), keyText, Qt::KeyboardModifiers(modifiers));
            QCOMPARE(field->text(), after);
            QCOMPARE(beepCount(), before + (beeps ? 1 : 0));
            QCOMPARE(QApplication::focusWidget(), field);
            test::pressKey(Qt::Key_Backspace, QStringLiteral("\b"));
            QCOMPARE(field->text(), after.chopped(1));
            QCOMPARE(beepCount(), before + (beeps ? 1 : 0));
            field->clear();
        }
    }

    // Delete comes with the text U+007F on X11; it deletes, without a beep.
    void deleteKeyDeletes() {
        QWidget* w = test::openWindow(nomi::passaAltoPiGreco);
        QVERIFY(test::activate(w));
        FIND_CHILD(QLineEdit, field, w, "Text2");
        field->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), field);
        test::typeToFocus("750");
        field->setCursorPosition(0);
        const int beeps = beepCount();
        test::pressKey(Qt::Key_Delete, test::kDeleteText);
        QCOMPARE(field->text(), QStringLiteral("50"));
        QCOMPARE(beepCount(), beeps);
    }

    // The typical use by keyboard only: 7, Tab, 50, then "CALCOLA".
    void typingThroughTab_data() { addWindowColumn(); }
    void typingThroughTab() {
        QFETCH(int, which);
        QWidget* w = test::openWindow(kNames[which].window);
        QVERIFY(test::activate(w));
        FIND_CHILD(QWidget, frequency, w, "Text1");
        FIND_CHILD(QWidget, calcola, w, "Command6");
        QTRY_COMPARE(QApplication::focusWidget(), frequency);
        const int beeps = beepCount();
        test::typeToFocus("7\t50");
        QCOMPARE(text(w, "Text1"), QStringLiteral("7"));
        QCOMPARE(text(w, "Text2"), QStringLiteral("50"));
        QCOMPARE(beepCount(), beeps);
        test::typeToFocus("\t");
        QCOMPARE(QApplication::focusWidget(), calcola);
        test::click(w, "Command6");
        QVERIFY(!text(w, kNames[which].c1).isEmpty());
    }

    void frequencyWithPoint() {
        QWidget* w = test::openWindow(nomi::passaBassoPiGreco);
        QVERIFY(test::activate(w));
        FIND_CHILD(QWidget, frequency, w, "Text1");
        QTRY_COMPARE(QApplication::focusWidget(), frequency);
        const int beeps = beepCount();
        test::typeToFocus("7.1\t50");
        QCOMPARE(text(w, "Text1"), QStringLiteral("7,1"));
        QCOMPARE(beepCount(), beeps);
        test::click(w, "Command6");
        QCOMPARE(text(w, "Label7"), QStringLiteral("448,3"));  // 159155 / (7.1 x 50), not 71 MHz
    }

    void tabByKeys_data() { tabOrder_data(); }
    void tabByKeys() {
        QFETCH(int, which);
        QFETCH(QStringList, order);
        test::checkTabByKeys(test::openWindow(kNames[which].window), order);
    }

    // Where each button and menu entry leads: exactly that window opens.
    void destinations_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("destination");
        struct Destinations {
            QString inductance, readme;
        };
        const Destinations destinations[] = {
            {nomi::induttanza2, nomi::leggimiPassaBassoPiGreco},
            {nomi::induttanza, nomi::leggimiPassaAltoPiGreco},
            {nomi::induttanza2, nomi::leggimiPassaBassoT},
            {nomi::induttanza, nomi::leggimiPassaAltoT},
        };
        for (int i = 0; i < 4; ++i) {
            const auto row = [&](const char* control, const QString& destination) {
                QTest::addRow("%s %s", qPrintable(kNames[i].window), control) << i << control << destination;
            };
            row("Command3", destinations[i].inductance);
            row("Command4", nomi::tabelle);
            row("Command5", nomi::induttanzaAria);
            row("leggimi", destinations[i].readme);
            row("calcolatrice", nomi::calcolatrice);
        }
    }
    void destinations() {
        QFETCH(int, which);
        QFETCH(QString, control);
        QFETCH(QString, destination);
        QWidget* w = test::openWindow(kNames[which].window);
        QVERIFY(w);
        const QStringList before = finestre().openNames();
        if (auto* action = w->findChild<QAction*>(control))
            action->trigger();
        else
            test::click(w, control);
        QStringList opened = finestre().openNames();
        for (const QString& name : before) opened.removeOne(name);
        QCOMPARE(opened, QStringList{destination});
        QVERIFY(finestre().isOpen(kNames[which].window));  // it stays open behind
    }

    void chiudiBringsMenuAndClosesCalculatorOnlyFromHighPassPi_data() { addWindowColumn(); }
    void chiudiBringsMenuAndClosesCalculatorOnlyFromHighPassPi() {
        QFETCH(int, which);
        const Names& n = kNames[which];
        QWidget* w = test::openWindow(n.window);
        test::openWindow(nomi::calcolatrice);
        QVERIFY(!finestre().isOpen(nomi::menu));
        test::click(w, n.close);
        QVERIFY(!finestre().isOpen(n.window));
        QVERIFY(finestre().isOpen(nomi::menu));
        QCOMPARE(finestre().isOpen(nomi::calcolatrice), n.window != nomi::passaAltoPiGreco);
    }

    void openingAgainKeepsContents() {
        QWidget* w = test::openWindow(nomi::passaBassoPiGreco);
        FIND_CHILD(QLineEdit, frequency, w, "Text1");
        test::type(frequency, "7");
        QCOMPARE(test::openWindow(nomi::passaBassoPiGreco), w);
        QCOMPARE(text(w, "Text1"), QStringLiteral("7"));
        w->close();
        QTRY_VERIFY(!finestre().isOpen(nomi::passaBassoPiGreco));
        QWidget* again = test::openWindow(nomi::passaBassoPiGreco);
        QCOMPARE(text(again, "Text1"), QString());
    }

    void stampaPrintsTheWindow() {
        QWidget* w = test::openWindow(nomi::passaAltoPiGreco);
        PrintedPage printed;
        setPrintSinkForTests([&](const PrintedPage& page) { printed = page; });
        const auto noSink = qScopeGuard([] { setPrintSinkForTests({}); });  // printed goes out of scope
        FIND_CHILD(QAction, stampa, w, "stampa");
        stampa->trigger();
        QCOMPARE(printed.docName, w->windowTitle().simplified());
        const QWidget* area = qobject_cast<DesignedWindow*>(w)->area();
        QCOMPARE(printed.image.width() > printed.image.height(), area->width() > area->height());
    }

    // Alt+S from the frequency field prints: every entry is there from the
    // keyboard alone.
    void altSPrints() {
        QWidget* w = test::openWindow(nomi::passaBassoPiGreco);
        QVERIFY(test::activate(w));
        FIND_CHILD(QLineEdit, frequency, w, "Text1");
        FIND_CHILD(QAction, stampa, w, "stampa");
        QTRY_COMPARE(QApplication::focusWidget(), frequency);
        int prints = 0;
        setPrintSinkForTests([&](const PrintedPage& page) { prints += page.image.isNull() ? 0 : 1; });
        const auto noSink = qScopeGuard([] { setPrintSinkForTests({}); });
        test::pressKey(Qt::Key_S, QStringLiteral("s"), Qt::AltModifier);
        QCOMPARE(prints, 1);
        QCOMPARE(frequency->text(), QString());
        QCOMPARE(stampa->text(), QStringLiteral("Stampa"));
    }

    void stampaWithoutPrinterDoesNothing() {
        QWidget* w = test::openWindow(nomi::passaBassoT);
        const QStringList before = finestre().openNames();
        FIND_CHILD(QAction, stampa, w, "stampa");
        stampa->trigger();
        QCOMPARE(finestre().openNames(), before);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void tabOrder_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QStringList>("order");
        // clang-format off
        QTest::newRow("PassaBpig") << 0 << QStringList{"Text1",    "Text2",    "Command6", "Command3", "Command5", "Command4", "Command1", "Command2"};
        QTest::newRow("PassaApig") << 1 << QStringList{"Text1",    "Text2",    "Command6", "Command3", "Command5", "Command4", "Command1", "Command2"};
        QTest::newRow("PassaBaT") << 2 << QStringList{"Text1",    "Text2",    "Command6", "Command3", "Command5", "Command4", "Command1", "Command2"};
        QTest::newRow("PassaAltoaT") << 3 << QStringList{"Text1",    "Text2",    "Command6", "Command3", "Command5", "Command4", "Command2", "Command1"};
        // clang-format on
    }
    void tabOrder() {
        QFETCH(int, which);
        QFETCH(QStringList, order);
        QWidget* w = test::openWindow(kNames[which].window);
        FIND_CHILD(QWidget, current, w, order.first());
        for (int i = 1; i < order.size(); ++i) {
            QWidget* next = current->nextInFocusChain();
            while (next->focusPolicy() == Qt::NoFocus) next = next->nextInFocusChain();
            QCOMPARE(next->objectName(), order.at(i));
            current = next;
        }
    }

    void alertAtItsRealDuration() {
        InputAlert::setSecondDuration(1000ms);
        QWidget* w = test::openWindow(nomi::passaBassoPiGreco);
        FIND_CHILD(QLabel, banner, w, "Label13");
        FIND_CHILD(QLineEdit, frequency, w, "Text1");
        FIND_CHILD(QLineEdit, impedance, w, "Text2");
        test::type(frequency, "500");
        test::type(impedance, "50");
        QElapsedTimer clock;
        clock.start();
        test::click(w, "Command6");
        QVERIFY(banner->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!banner->isVisible(), 8000);
        QVERIFY(clock.elapsed() >= 4900);
    }
};

QTEST_MAIN(TestFilterWindows)
#include "tst_filterwindows.moc"
