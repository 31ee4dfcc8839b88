#include "app/Beep.h"
#include "app/ControlTable.h"
#include "app/DesignedWindow.h"
#include "app/InputAlert.h"
#include "app/WindowNames.h"
#include "app/WindowPrinter.h"
#include "inductors/InductorWindows.h"
#include "tests/support/WindowTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QSignalSpy>

using namespace ombrana;

namespace {

int px(int twips) {
    return design::twipsToPixels(twips);
}

// What a field or a label of the window shows.
QString text(QWidget* window, const QString& name) {
    FIND_CHILD(QWidget, control, window, name, QString());
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    return QStringLiteral("<%1 is no field or label>").arg(name);
}

// The next control that the Tab key reaches.
QWidget* nextByTab(QWidget* from) {
    QWidget* w = from->nextInFocusChain();
    while (w != from && !(w->focusPolicy() & Qt::TabFocus)) w = w->nextInFocusChain();
    return w;
}

// The names of CANCELLA and CHIUDI are swapped between the two copies.
QString cancellaOf(const QString& window) {
    if (window == nomi::induttanzaAria) return QStringLiteral("Command1");
    return window == nomi::induttanza ? QStringLiteral("Command3") : QStringLiteral("Command2");
}
QString chiudiOf(const QString& window) {
    if (window == nomi::induttanzaAria) return QStringLiteral("Command4");
    return window == nomi::induttanza ? QStringLiteral("Command2") : QStringLiteral("Command3");
}

InputAlert* alertOf(QWidget* window) {
    const auto alerts = window->findChildren<InputAlert*>();
    return alerts.size() == 1 ? alerts.front() : nullptr;
}

}  // namespace

class TestInductorWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void calculates_data();
    void calculates();
    void emptyFrequencyEmptiesWithoutAlert_data();
    void emptyFrequencyEmptiesWithoutAlert();
    void alert_data();
    void alert();
    void keyFilter_data();
    void keyFilter();
    void tabByKeyboard_data();
    void tabByKeyboard();
    void cancellaClearsInputs_data();
    void cancellaClearsInputs();
    void opensOnce_data();
    void opensOnce();
    void positionAndSize_data();
    void positionAndSize();
    void chiudiLeavesOthersOpen_data();
    void chiudiLeavesOthersOpen();
    void captions_data();
    void captions();
    void look_data();
    void look();

    void airCoil_data();
    void airCoil();
    void airCoilTabOrder();
    void airCoilMenu();

private:
    int m_printed = 0;
    PrintedPage m_printedPage;
};

void TestInductorWindows::initTestCase() {
    registerInductorWindows();
    InputAlert::setSecondDuration(std::chrono::milliseconds(20));
    // A stand-in for the calculator, which lives in another library.
    if (!finestre().isRegistered(nomi::calcolatrice))
        finestre().registerWindow(nomi::calcolatrice, [] { return new QWidget; });
    setPrintSinkForTests([this](const PrintedPage& page) {
        ++m_printed;
        m_printedPage = page;
    });
}

void TestInductorWindows::cleanup() {
    test::closeAllWindows();
}

void TestInductorWindows::calculates_data() {
    // clang-format off
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("result");

    QTest::newRow("low C100 f7") << nomi::induttanza2 << "100" << "7" << "10,33";
    QTest::newRow("high C100 f7") << nomi::induttanza << "100" << "7" << "2,58";
    QTest::newRow("low C220 f1,8") << nomi::induttanza2 << "220" << "1,8" << "71,07";
    QTest::newRow("high C220 f1,8") << nomi::induttanza << "220" << "1,8" << "17,76";
    QTest::newRow("low f300") << nomi::induttanza2 << "100" << "300" << "0";
    QTest::newRow("high f300") << nomi::induttanza << "100" << "300" << "0";
    QTest::newRow("low C1 f300") << nomi::induttanza2 << "1" << "300" << "0,56";
    QTest::newRow("high C empty") << nomi::induttanza << "" << "7" << "";
    QTest::newRow("low C zero") << nomi::induttanza2 << "0" << "7" << "";
    QTest::newRow("high f zero") << nomi::induttanza << "100" << "0" << "";
    // clang-format on
}

void TestInductorWindows::calculates() {
    QFETCH(QString, window);
    QFETCH(QString, c);
    QFETCH(QString, f);
    QFETCH(QString, result);

    QWidget* w = test::openWindow(window);
    QVERIFY(w);
    FIND_CHILD(QLabel, label, w, "Label4");
    FIND_CHILD(QLineEdit, capacitance, w, "Text1");
    FIND_CHILD(QLineEdit, frequency, w, "Text2");
    label->setText(QStringLiteral("vecchio"));  // what an earlier press left
    test::type(capacitance, c);
    test::type(frequency, f);
    const int beeps = beepCount();
    test::click(w, "Command1");
    QCOMPARE(label->text(), result);
    QCOMPARE(beepCount(), beeps);
    QCOMPARE(text(w, "Text1"), c);
    QCOMPARE(text(w, "Text2"), f);
}

void TestInductorWindows::emptyFrequencyEmptiesWithoutAlert_data() {
    // clang-format off
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("f");  // pasted, as typing cannot give a sign
    QTest::newRow("high empty") << nomi::induttanza << "";
    QTest::newRow("low empty") << nomi::induttanza2 << "";
    QTest::newRow("high negative") << nomi::induttanza << "-7";
    QTest::newRow("low negative over 300") << nomi::induttanza2 << "-400";
    // clang-format on
}

void TestInductorWindows::emptyFrequencyEmptiesWithoutAlert() {
    QFETCH(QString, window);
    QFETCH(QString, f);

    QWidget* w = test::openWindow(window);
    QVERIFY(w);
    FIND_CHILD(QLineEdit, capacitance, w, "Text1");
    FIND_CHILD(QLineEdit, frequency, w, "Text2");
    FIND_CHILD(QLabel, banner, w, "Label5");
    InputAlert* alert = alertOf(w);
    QVERIFY(alert);
    test::type(capacitance, "100");
    test::type(frequency, "7");
    test::click(w, "Command1");
    QVERIFY(!text(w, "Label4").isEmpty());

    test::paste(frequency, f);
    const int beeps = beepCount();
    test::click(w, "Command1");
    QCOMPARE(text(w, "Label4"), QString());
    QCOMPARE(beepCount(), beeps);
    QVERIFY(!alert->isActive());
    QVERIFY(!banner->isVisible());
    QCOMPARE(text(w, "Text1"), QStringLiteral("100"));
}

void TestInductorWindows::alert_data() {
    // clang-format off
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("alertName");
    QTest::newRow("high 300,01") << nomi::induttanza << "300,01" << "errore10";
    QTest::newRow("low 300,01") << nomi::induttanza2 << "300,01" << "errore11";
    QTest::newRow("high 1000") << nomi::induttanza << "1000" << "errore10";
    QTest::newRow("low lone comma") << nomi::induttanza2 << "," << "errore11";
    QTest::newRow("high two commas") << nomi::induttanza << "1,2,3" << "errore10";
    // clang-format on
}

void TestInductorWindows::alert() {
    QFETCH(QString, window);
    QFETCH(QString, f);
    QFETCH(QString, alertName);

    QWidget* w = test::openWindow(window);
    QVERIFY(w);
    InputAlert* alert = alertOf(w);
    QVERIFY(alert);
    QCOMPARE(alert->objectName(), alertName);
    FIND_CHILD(QLabel, banner, w, "Label5");
    FIND_CHILD(QLineEdit, capacitance, w, "Text1");
    FIND_CHILD(QLineEdit, frequency, w, "Text2");
    const QString caption = banner->text();

    test::type(capacitance, "100");
    test::type(frequency, "7");
    test::click(w, "Command1");
    QVERIFY(!text(w, "Label4").isEmpty());

    frequency->clear();
    test::type(frequency, f);
    QSignalSpy finished(alert, &InputAlert::finished);
    const int beeps = beepCount();
    test::click(w, "Command1");
    QCOMPARE(beepCount(), beeps + 1);
    QVERIFY(alert->isActive());
    QVERIFY(banner->isVisible());
    QCOMPARE(text(w, "Text2"), QString());
    QCOMPARE(text(w, "Label4"), QString());

    QVERIFY(finished.count() == 1 || finished.wait());
    QVERIFY(!banner->isVisible());
    QCOMPARE(banner->text(), caption);
    QCOMPARE(text(w, "Text1"), QStringLiteral("100"));
    QCOMPARE(text(w, "Text2"), QString());
    QCOMPARE(text(w, "Label4"), QString());
    QCOMPARE(beepCount(), beeps + 1);
}

void TestInductorWindows::keyFilter_data() {
    // clang-format off
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("fieldName");
    QTest::newRow("high Text1") << nomi::induttanza << "Text1";
    QTest::newRow("high Text2") << nomi::induttanza << "Text2";
    QTest::newRow("low Text1") << nomi::induttanza2 << "Text1";
    QTest::newRow("low Text2") << nomi::induttanza2 << "Text2";
    QTest::newRow("air Text1") << nomi::induttanzaAria << "Text1";
    QTest::newRow("air Text2") << nomi::induttanzaAria << "Text2";
    QTest::newRow("air Text3") << nomi::induttanzaAria << "Text3";
    // clang-format on
}

void TestInductorWindows::keyFilter() {
    QFETCH(QString, window);
    QFETCH(QString, fieldName);

    QWidget* w = test::openWindow(window);
    QVERIFY(w);
    QVERIFY(test::activate(w));
    FIND_CHILD(QLineEdit, edit, w, fieldName);
    edit->setFocus(Qt::OtherFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    const int beeps = beepCount();
    // Keys as the window system gives them to the focused field; the point
    // types a comma.
    test::typeToFocus("1a2.3-4 ");
    QCOMPARE(edit->text(), QStringLiteral("12,34"));
    QCOMPARE(beepCount(), beeps + 3);
    test::pressKey(Qt::Key_Period, QStringLiteral("."), Qt::KeypadModifier);  // the keypad's decimal key
    QCOMPARE(edit->text(), QStringLiteral("12,34,"));
    test::pressKey(Qt::Key_Backspace, QStringLiteral("\b"));
    QCOMPARE(edit->text(), QStringLiteral("12,34"));
    edit->setCursorPosition(0);
    test::pressKey(Qt::Key_Delete, test::kDeleteText);
    QCOMPARE(edit->text(), QStringLiteral("2,34"));
    test::pressKey(Qt::Key_Return, test::kEnterText);
    QCOMPARE(edit->text(), QStringLiteral("2,34"));
    QCOMPARE(beepCount(), beeps + 4);
}

void TestInductorWindows::tabByKeyboard_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    // clang-format off
    QTest::newRow("high") << nomi::induttanza << QStringList{"Text1", "Text2", "Command1", "Command3", "Command2"};
    QTest::newRow("low") << nomi::induttanza2 << QStringList{"Text1", "Text2", "Command1", "Command2", "Command3"};
    QTest::newRow("air") << nomi::induttanzaAria << QStringList{"Text1", "Text2", "Text3", "Command3", "Command4", "Command1"};
    // clang-format on
}

void TestInductorWindows::tabByKeyboard() {
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    test::checkTabByKeys(test::openWindow(window), order);
}

void TestInductorWindows::cancellaClearsInputs_data() {
    // clang-format off
    QTest::addColumn<QString>("window");
    QTest::newRow("high") << nomi::induttanza;
    QTest::newRow("low") << nomi::induttanza2;
    QTest::newRow("air") << nomi::induttanzaAria;
    // clang-format on
}

void TestInductorWindows::cancellaClearsInputs() {
    QFETCH(QString, window);

    QWidget* w = test::openWindow(window);
    QVERIFY(w);
    const bool air = window == nomi::induttanzaAria;
    const QStringList fields = air ? QStringList{"Text1", "Text2", "Text3"} : QStringList{"Text1", "Text2"};
    for (const QString& name : fields) {
        FIND_CHILD(QLineEdit, field, w, name);
        test::type(field, "20");
    }
    test::click(w, air ? "Command3" : "Command1");
    const QString result = air ? QStringLiteral("Label5") : QStringLiteral("Label4");
    QVERIFY(!text(w, result).isEmpty());

    test::click(w, cancellaOf(window));
    for (const QString& name : fields) QCOMPARE(text(w, name), QString());
    QCOMPARE(text(w, result), QString());
    QVERIFY(finestre().isOpen(window));
}

void TestInductorWindows::opensOnce_data() {
    // clang-format off
    cancellaClearsInputs_data();
    // clang-format on
}

void TestInductorWindows::opensOnce() {
    QFETCH(QString, window);

    QWidget* first = test::openWindow(window);
    QVERIFY(first);
    QCOMPARE(first->objectName(), window);
    FIND_CHILD(QLineEdit, field, first, "Text1");
    test::type(field, "12");
    QCOMPARE(test::openWindow(window), first);
    QCOMPARE(text(first, "Text1"), QStringLiteral("12"));

    test::click(first, chiudiOf(window));
    QTRY_VERIFY(!finestre().isOpen(window));
    QWidget* again = test::openWindow(window);
    QVERIFY(again);
    QCOMPARE(text(again, "Text1"), QString());
}

void TestInductorWindows::positionAndSize_data() {
    // clang-format off
    QTest::addColumn<QString>("window");
    QTest::addColumn<QPoint>("corner");  // twips; negative: where the system puts it
    QTest::addColumn<QSize>("client");   // twips, menu bar excluded
    QTest::newRow("high") << nomi::induttanza << QPoint(60, 2145) << QSize(3705, 2100);
    QTest::newRow("low") << nomi::induttanza2 << QPoint(45, 2130) << QSize(3705, 2100);
    QTest::newRow("air") << nomi::induttanzaAria << QPoint(-1, -1) << QSize(11910, 8595);
    // clang-format on
}

void TestInductorWindows::positionAndSize() {
    QFETCH(QString, window);
    QFETCH(QPoint, corner);
    QFETCH(QSize, client);

    auto* w = qobject_cast<QMainWindow*>(test::openWindow(window));
    QVERIFY(w);
    const QSize expected(px(client.width()), px(client.height()));
    QCOMPARE(w->centralWidget()->size(), expected);
    if (corner.x() >= 0) QCOMPARE(w->geometry().topLeft(), QPoint(px(corner.x()), px(corner.y())));
    QVERIFY(!w->isMaximized());
}

void TestInductorWindows::chiudiLeavesOthersOpen_data() {
    // clang-format off
    cancellaClearsInputs_data();
    // clang-format on
}

void TestInductorWindows::chiudiLeavesOthersOpen() {
    QFETCH(QString, window);

    const QStringList all{nomi::induttanza, nomi::induttanza2, nomi::induttanzaAria};
    for (const QString& name : all) QVERIFY(test::openWindow(name));
    QWidget* w = finestre().find(window);
    FIND_CHILD(QLineEdit, field, w, "Text1");
    test::type(field, "5");
    test::click(w, chiudiOf(window));
    QTRY_VERIFY(!finestre().isOpen(window));
    for (const QString& name : all)
        if (name != window) QVERIFY2(finestre().isOpen(name), qPrintable(name));

    // The title-bar close button does the same.
    const QString other = window == nomi::induttanza ? nomi::induttanza2 : nomi::induttanza;
    finestre().find(other)->close();
    QTRY_VERIFY(!finestre().isOpen(other));
    QCOMPARE(finestre().openNames().size(), 1);
}

void TestInductorWindows::captions_data() {
    // clang-format off
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tip");

    const QString hi = nomi::induttanza;
    const QString lo = nomi::induttanza2;
    const QString air = nomi::induttanzaAria;
    const QString none;
    const QString fTip = QStringLiteral("Inserire la frequenza di taglio usata per il filtro");
    const QString lTip = QString::fromUtf8("Nuovo valore di L1 calcolato con capacit\u00e0 standard");
    const QString calcTip = QString::fromUtf8("Calcola i \u00b5Henry con capacit\u00e0 standard");
    const QString closeTip = QStringLiteral("Chiude il calcolo INDUTTANZA");

    QTest::newRow("hi Label1") << hi << "Label1" << "Input pf" << none;
    const QString cTip = QString::fromUtf8("Inserire la capacit\u00e0 standard in picofarad");
    QTest::newRow("hi Text1") << hi << "Text1" << "" << cTip;
    QTest::newRow("hi Label2") << hi << "Label2" << "Input  MHz" << none;
    QTest::newRow("hi Text2") << hi << "Text2" << "" << fTip;
    QTest::newRow("hi Label3") << hi << "Label3" << QString::fromUtf8("\u00b5Henry") << none;
    QTest::newRow("hi Label4") << hi << "Label4" << "" << lTip;
    QTest::newRow("hi Label5") << hi << "Label5" << "MAX  300 MHz" << none;
    QTest::newRow("hi Command1") << hi << "Command1" << "CALCOLA" << calcTip;
    QTest::newRow("hi Command2") << hi << "Command2" << "CHIUDI" << closeTip;
    QTest::newRow("hi Command3") << hi << "Command3" << "CANCELLA" << "Cancella le input";

    QTest::newRow("lo Label1") << lo << "Label1" << "Input pf" << none;
    QTest::newRow("lo Text1") << lo << "Text1" << "" << QString::fromUtf8("Inserire capacit\u00e0 standard");
    QTest::newRow("lo Label2") << lo << "Label2" << "Input MHz" << none;
    QTest::newRow("lo Text2") << lo << "Text2" << "" << fTip;
    QTest::newRow("lo Label3") << lo << "Label3" << QString::fromUtf8("\u00b5Henry") << none;
    QTest::newRow("lo Label4") << lo << "Label4" << "" << lTip;
    QTest::newRow("lo Label5") << lo << "Label5" << "MAX  300  MHz" << none;
    QTest::newRow("lo Command1") << lo << "Command1" << "CALCOLA" << calcTip;
    QTest::newRow("lo Command2") << lo << "Command2" << "CANCELLA" << "Cancella tutte le input";
    QTest::newRow("lo Command3") << lo << "Command3" << "CHIUDI" << closeTip;

    QTest::newRow("air Label1") << air << "Label1" << "COSTRUZIONE   INDUTTANZE   IN   ARIA" << none;
    QTest::newRow("air Label2") << air << "Label2" << "Input diametro supporto   mm" << none;
    QTest::newRow("air Text1") << air << "Text1" << "" << "Digitare il diametro del supporto in millimetri";
    QTest::newRow("air Label6") << air << "Label6" << QString::fromUtf8("Input   N\u00b0 spire ") << none;
    QTest::newRow("air Text2") << air << "Text2" << "" << "Digitare il numero delle spire da avvolgere";
    QTest::newRow("air Label3") << air << "Label3" << "Input lunghezza bobina  mm " << none;
    QTest::newRow("air Text3") << air << "Text3" << "" << "Digitare la lunghezza delle sole spire avvolte";
    QTest::newRow("air Label4") << air << "Label4" << QString::fromUtf8("Totale  \u00b5Henry") << none;
    QTest::newRow("air Label5") << air << "Label5" << "" << none;
    QTest::newRow("air Command3") << air << "Command3" << "CALCOLA" << none;
    QTest::newRow("air Command1") << air << "Command1" << "CANCELLA" << none;
    QTest::newRow("air Command4") << air << "Command4" << "CHIUDI" << none;
    // clang-format on
}

void TestInductorWindows::captions() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(QString, tip);

    QWidget* w = test::openWindow(window);
    QVERIFY(w);
    FIND_CHILD(QWidget, c, w, control);
    if (auto* b = qobject_cast<QPushButton*>(c))
        QCOMPARE(b->text(), caption);
    else
        QCOMPARE(text(w, control), caption);
    QCOMPARE(c->toolTip(), tip);
}

void TestInductorWindows::look_data() {
    // clang-format off
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QRgb>("ground");
    QTest::addColumn<bool>("fixedSize");
    const QString airTitle = QStringLiteral("INDUTTANZE IN  ARIA") + QString(58, ' ') + QStringLiteral("by QUENDAL") +
                             QString(25, ' ') + QStringLiteral("rev 1.02");
    QTest::newRow("high") << nomi::induttanza << "INDUTTANZA" << qRgb(0x80, 0xFF, 0xFF) << false;
    QTest::newRow("low") << nomi::induttanza2 << "INDUTTANZA" << qRgb(0xC0, 0xFF, 0xFF) << true;
    QTest::newRow("air") << nomi::induttanzaAria << airTitle << qRgb(0x00, 0x80, 0x80) << true;
    // clang-format on
}

void TestInductorWindows::look() {
    QFETCH(QString, window);
    QFETCH(QString, title);
    QFETCH(QRgb, ground);
    QFETCH(bool, fixedSize);

    auto* w = qobject_cast<QMainWindow*>(test::openWindow(window));
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), title);
    QCOMPARE(w->centralWidget()->palette().color(QPalette::Window).rgb(), ground);
    QCOMPARE(w->minimumSize() == w->maximumSize(), fixedSize);
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(w->windowFlags() & Qt::WindowMinimizeButtonHint));
    FIND_CHILD(QLabel, banner, w, "Label5");
    if (window != nomi::induttanzaAria) {
        QVERIFY(!banner->isVisible());
        QCOMPARE(banner->palette().color(QPalette::Window).rgb(), qRgb(0, 0, 0xFF));
        QCOMPARE(banner->palette().color(QPalette::WindowText).rgb(), qRgb(0xFF, 0xFF, 0xFF));
    }
}

void TestInductorWindows::airCoil_data() {
    // clang-format off
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("l");
    QTest::addColumn<QStringList>("after");  // Text1, Text2, Text3, Label5

    QTest::newRow("D20 N10 l15") << "20" << "10" << "15" << QStringList{"20", "10", "15", "1,64"};
    QTest::newRow("D10 N20 l20") << "10" << "20" << "20" << QStringList{"10", "20", "20", "1,6"};
    QTest::newRow("D12,5 N15 l10") << "12,5" << "15" << "10" << QStringList{"12,5", "15", "10", "2,21"};
    QTest::newRow("D999 N10 l10") << "999" << "10" << "10" << QStringList{"999", "10", "10", "213,74"};
    QTest::newRow("l empty") << "20" << "10" << "" << QStringList{"20", "10", "", "4,37"};
    QTest::newRow("N7,5") << "20" << "7,5" << "15" << QStringList{"20", "7,5", "15", "0,92"};
    QTest::newRow("D1000") << "1000" << "10" << "10" << QStringList{"", "10", "10", ""};
    QTest::newRow("D1000 N600") << "1000" << "600" << "10" << QStringList{"", "600", "10", ""};
    QTest::newRow("N500 l500") << "20" << "500" << "500" << QStringList{"20", "", "500", ""};
    QTest::newRow("l500") << "20" << "10" << "500" << QStringList{"20", "10", "", ""};
    QTest::newRow("all empty") << "" << "" << "" << QStringList{"", "", "", ""};
    QTest::newRow("D0 N10 l10") << "0" << "10" << "10" << QStringList{"0", "10", "10", "0"};
    // clang-format on
}

void TestInductorWindows::airCoil() {
    QFETCH(QString, d);
    QFETCH(QString, n);
    QFETCH(QString, l);
    QFETCH(QStringList, after);

    QWidget* w = test::openWindow(nomi::induttanzaAria);
    QVERIFY(w);
    FIND_CHILD(QLabel, result, w, "Label5");
    FIND_CHILD(QLineEdit, diameter, w, "Text1");
    FIND_CHILD(QLineEdit, turns, w, "Text2");
    FIND_CHILD(QLineEdit, length, w, "Text3");
    result->setText(QStringLiteral("vecchio"));
    test::type(diameter, d);
    test::type(turns, n);
    test::type(length, l);
    const int beeps = beepCount();
    test::click(w, "Command3");
    const QStringList seen{text(w, "Text1"), text(w, "Text2"), text(w, "Text3"), text(w, "Label5")};
    QCOMPARE(seen, after);
    QCOMPARE(beepCount(), beeps);  // the checks are silent
}

void TestInductorWindows::airCoilTabOrder() {
    QWidget* w = test::openWindow(nomi::induttanzaAria);
    QVERIFY(w);
    const char* chain[] = {"Text1", "Text2", "Text3", "Command3", "Command4", "Command1"};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i) {
        FIND_CHILD(QWidget, from, w, chain[i]);
        QCOMPARE(nextByTab(from)->objectName(), QString::fromLatin1(chain[i + 1]));
    }
    FIND_CHILD(QWidget, diameter, w, "Text1");
    QTRY_COMPARE(QApplication::focusWidget(), diameter);
}

void TestInductorWindows::airCoilMenu() {
    QWidget* w = test::openWindow(nomi::induttanzaAria);
    QVERIFY(w);
    FIND_CHILD(QAction, calculator, w, "calcolatrice");
    FIND_CHILD(QAction, print, w, "stampavideata");
    QCOMPARE(calculator->text(), QStringLiteral("Calcolatrice"));
    QCOMPARE(print->text(), QStringLiteral("Stampa"));

    calculator->trigger();
    QVERIFY(finestre().isOpen(nomi::calcolatrice));
    QVERIFY(finestre().isOpen(nomi::induttanzaAria));

    const int printed = m_printed;
    print->trigger();
    QCOMPARE(m_printed, printed + 1);
    QCOMPARE(m_printedPage.docName, w->windowTitle().simplified());
    const QWidget* area = qobject_cast<DesignedWindow*>(w)->area();
    QCOMPARE(m_printedPage.image.width() > m_printedPage.image.height(), area->width() > area->height());

    // The calculator outlives the window that opened it.
    test::click(w, "Command4");
    QTRY_VERIFY(!finestre().isOpen(nomi::induttanzaAria));
    QVERIFY(finestre().isOpen(nomi::calcolatrice));
}

QTEST_MAIN(TestInductorWindows)
#include "tst_inductorwindows.moc"
