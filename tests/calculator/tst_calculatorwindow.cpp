#include "CalculatorCases.h"
#include "app/DesignLook.h"
#include "app/MessageBox.h"
#include "app/WindowNames.h"
#include "calculator/Calculator.h"
#include "calculator/CalculatorWindows.h"
#include "calculator/ReadoutLabel.h"
#include "tests/support/WindowTestSupport.h"

#include <QApplication>
#include <QHash>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>

#include <algorithm>

using namespace ombrana;

namespace {

// The button of each caption, as the key grid names them.
const QHash<QString, QString>& buttonOfCaption() {
    static const QHash<QString, QString> names{
        {"0", "Number0"},   {"1", "Number1"},   {"2", "Number2"},   {"3", "Number3"},      {"4", "Number4"},
        {"5", "Number5"},   {"6", "Number6"},   {"7", "Number7"},   {"8", "Number8"},      {"9", "Number9"},
        {"/", "Operator0"}, {"+", "Operator1"}, {"X", "Operator2"}, {"-", "Operator3"},    {"=", "Operator4"},
        {".", "Decimal"},   {"%", "Percent"},   {"C", "Cancel"},    {"CE", "CancelEntry"},
    };
    return names;
}

bool clickKeys(QWidget* window, const QString& captions) {
    for (const QString& caption : captions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        FIND_CHILD(QPushButton, button, window, buttonOfCaption().value(caption), false);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    return true;
}

// A key of the keyboard as the window system gives it: key code, text and
// modifiers (X11, US layout).
struct Tasto {
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// The keyboard key that stands for each caption; the variants column of
// keyboardVariants() checks the others.
Tasto tastoDi(const QString& caption) {
    if (caption.size() == 1 && caption.at(0).isDigit())
        return {Qt::Key(Qt::Key_0 + caption.at(0).digitValue()), caption};
    static const QHash<QString, Tasto> tasti{
        {".", {Qt::Key_Period, "."}},
        {"+", {Qt::Key_Plus, "+", Qt::ShiftModifier}},
        {"-", {Qt::Key_Minus, "-"}},
        {"X", {Qt::Key_X, "x"}},
        {"/", {Qt::Key_Slash, "/"}},
        {"=", {Qt::Key_Return, test::kEnterText}},
        {"%", {Qt::Key_Percent, "%", Qt::ShiftModifier}},
        {"C", {Qt::Key_Escape, test::kEscapeText}},
        {"CE", {Qt::Key_Delete, test::kDeleteText}},
    };
    return tasti.value(caption, {Qt::Key_unknown, QString()});
}

// Types the captions on the keyboard, each to the focused control, moving
// the focus to another key of the window before each one: the keys must
// reach the window whichever of its keys has the focus.
bool typeKeys(QWidget* window, const QString& captions) {
    const QList<QPushButton*> keys = window->findChildren<QPushButton*>();
    int i = 0;
    for (const QString& caption : captions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const Tasto t = tastoDi(caption);
        if (t.key == Qt::Key_unknown) return false;
        keys.at(i++ % keys.size())->setFocus(Qt::OtherFocusReason);
        test::pressKey(t.key, t.text, t.modifiers);
    }
    return true;
}

// What the display shows.
QString readout(QWidget* window) {
    FIND_CHILD(QLabel, display, window, QStringLiteral("Readout"), QString());
    return display->text();
}

}  // namespace

class TestCalculatorWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void edgeCasesByClicks_data();
    void edgeCasesByClicks();
    void divisionByZeroMessage();
    void realMessageBox();
    void openingTwiceKeepsTheDisplay();
    void reopeningStartsAfresh();
    void windowLook();
    void controls_data();
    void controls();
    void readoutLook();
    void focusAndTabOrder();
    void longResultShrinksInsteadOfCutting();
    void longEntryKeepsItsTail();
    void edgeCasesByKeyboard_data();
    void edgeCasesByKeyboard();
    void keyboardVariants_data();
    void keyboardVariants();
    void oneKeyOneClickShownPressed();
    void keyboardDivisionByZero();
    void otherKeysLeftAlone();

private:
    QList<MessageText> m_messages;
};

void TestCalculatorWindow::initTestCase() {
    registerCalculatorWindows();
    setMessageHookForTests([this](const MessageText& m) { m_messages << m; });
}

void TestCalculatorWindow::init() {
    m_messages.clear();
}

void TestCalculatorWindow::cleanup() {
    test::closeAllWindows();
}

void TestCalculatorWindow::edgeCasesByClicks_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    for (const auto& c : test::kCalculatorCases) QTest::newRow(c.name) << c.keys << c.display;
}

void TestCalculatorWindow::edgeCasesByClicks() {
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QWidget* w = test::openWindow(nomi::calcolatrice);
    QVERIFY(w);
    QVERIFY(clickKeys(w, keys));
    QCOMPARE(readout(w), expected);
}

void TestCalculatorWindow::divisionByZeroMessage() {
    QWidget* w = test::openWindow(nomi::calcolatrice);
    QVERIFY(clickKeys(w, "8 / 0"));
    QVERIFY(m_messages.isEmpty());
    QVERIFY(clickKeys(w, "="));
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].title, QStringLiteral("Calcolatrice"));
    QCOMPARE(m_messages[0].text, QStringLiteral("Impossibile dividere per zero"));
    QCOMPARE(m_messages[0].icon, QMessageBox::Warning);
    QCOMPARE(m_messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(readout(w), QStringLiteral("8,"));
    // The kept first operand goes on into the next operation.
    QVERIFY(clickKeys(w, "+ 2 ="));
    QCOMPARE(readout(w), QStringLiteral("10"));
    QCOMPARE(m_messages.size(), 1);
}

void TestCalculatorWindow::realMessageBox() {
    // Without the hook the real modal box comes up; answer it with OK.
    setMessageHookForTests({});
    QWidget* w = test::openWindow(nomi::calcolatrice);
    QVERIFY(clickKeys(w, "8 / 0"));
    QString title, text, shownWhileOpen;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer answer;
    answer.setInterval(10);
    connect(&answer, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        answer.stop();
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        shownWhileOpen = readout(w);
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    answer.start();
    QVERIFY(clickKeys(w, "="));
    setMessageHookForTests([this](const MessageText& m) { m_messages << m; });
    QCOMPARE(title, QStringLiteral("Calcolatrice"));
    QCOMPARE(text, QStringLiteral("Impossibile dividere per zero"));
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(shownWhileOpen, QStringLiteral("0,"));
    QCOMPARE(readout(w), QStringLiteral("8,"));
}

void TestCalculatorWindow::openingTwiceKeepsTheDisplay() {
    QWidget* first = test::openWindow(nomi::calcolatrice);
    QVERIFY(clickKeys(first, "1 2 + 3"));
    QWidget* second = test::openWindow(nomi::calcolatrice);
    QCOMPARE(second, first);
    const auto tops = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(tops.cbegin(), tops.cend(),
                           [](QWidget* t) { return t->objectName() == nomi::calcolatrice && t->isVisible(); }),
             1);
    QCOMPARE(readout(second), QStringLiteral("3,"));
    QVERIFY(clickKeys(second, "="));
    QCOMPARE(readout(second), QStringLiteral("15"));
}

void TestCalculatorWindow::reopeningStartsAfresh() {
    QPointer<QWidget> w = test::openWindow(nomi::calcolatrice);
    QVERIFY(clickKeys(w, "1 2 +"));
    QVERIFY(w->close());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());
    QVERIFY(!finestre().isOpen(nomi::calcolatrice));
    QWidget* again = test::openWindow(nomi::calcolatrice);
    QCOMPARE(readout(again), QStringLiteral("0,"));
    // Nothing of the old sum is left: "=" after a new number gives that number.
    QVERIFY(clickKeys(again, "3 ="));
    QCOMPARE(readout(again), QStringLiteral("3,"));
}

void TestCalculatorWindow::windowLook() {
    auto* w = qobject_cast<Calculator*>(test::openWindow(nomi::calcolatrice));
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Calcolatrice"));
    QCOMPARE(w->area()->size(), QSize(design::twipsToPixels(2610), design::twipsToPixels(2535)));
    QCOMPARE(w->geometry().topLeft(), QPoint(design::twipsToPixels(240), design::twipsToPixels(1830)));
    QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(w->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    FIND_CHILD(QWidget, ground, w, QStringLiteral("ground"));
    QCOMPARE(ground->palette().color(QPalette::Window), QColor(0x00, 0x00, 0xFF));
    QVERIFY(!w->windowIcon().isNull());
    const QPixmap icon = w->windowIcon().pixmap(32, 32);
    QCOMPARE(icon.size(), QSize(32, 32));
    QVERIFY(icon.toImage().pixelColor(16, 16).alpha() > 0);
}

void TestCalculatorWindow::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    // clang-format off
    QTest::newRow("Readout") << "Readout" << QRect(120, 105, 2400, 375) << "0," << design::kMsSansSerif << 12.0;
    QTest::newRow("Number7") << "Number7" << QRect(120, 600, 360, 345) << "7" << design::kSystem << 9.75;
    QTest::newRow("Number4") << "Number4" << QRect(120, 1080, 345, 345) << "4" << design::kSystem << 9.75;
    QTest::newRow("Number2") << "Number2" << QRect(600, 1560, 345, 345) << "2" << design::kSystem << 9.75;
    QTest::newRow("Number0") << "Number0" << QRect(120, 2040, 840, 345) << "0" << design::kSystem << 9.75;
    QTest::newRow("Cancel") << "Cancel" << QRect(1680, 600, 360, 345) << "C" << design::kTahoma << 8.25;
    QTest::newRow("CancelEntry") << "CancelEntry" << QRect(2160, 600, 360, 345) << "CE" << design::kTahoma << 8.25;
    QTest::newRow("Operator0") << "Operator0" << QRect(2160, 1560, 360, 345) << "/" << design::kSystem << 9.75;
    QTest::newRow("Operator1") << "Operator1" << QRect(1680, 1080, 360, 345) << "+" << design::kSystem << 9.75;
    QTest::newRow("Operator2") << "Operator2" << QRect(1680, 1560, 360, 345) << "X" << design::kSystem << 9.75;
    QTest::newRow("Operator3") << "Operator3" << QRect(2160, 1080, 360, 345) << "-" << design::kSystem << 9.75;
    QTest::newRow("Operator4") << "Operator4" << QRect(1680, 2040, 360, 345) << "=" << design::kSystem << 9.75;
    QTest::newRow("Decimal") << "Decimal" << QRect(1080, 2040, 360, 345) << "." << design::kSystem << 9.75;
    QTest::newRow("Percent") << "Percent" << QRect(2160, 2040, 360, 345) << "%" << design::kSystem << 9.75;
    // clang-format on
}

void TestCalculatorWindow::controls() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, caption);
    QFETCH(QString, family);
    QFETCH(double, points);
    QWidget* w = test::openWindow(nomi::calcolatrice);
    FIND_CHILD(QWidget, c, w, name);
    const QRect expected(design::twipsToPixels(twips.x()), design::twipsToPixels(twips.y()),
                         design::twipsToPixels(twips.width()), design::twipsToPixels(twips.height()));
    QCOMPARE(c->geometry(), expected);
    if (auto* b = qobject_cast<QPushButton*>(c))
        QCOMPARE(b->text(), caption);
    else
        QCOMPARE(qobject_cast<QLabel*>(c)->text(), caption);
    QCOMPARE(c->font().family(), family);
    QCOMPARE(c->font().pointSizeF(), points);
    QVERIFY(c->font().bold());
}

void TestCalculatorWindow::readoutLook() {
    QWidget* w = test::openWindow(nomi::calcolatrice);
    FIND_CHILD(QLabel, r, w, QStringLiteral("Readout"));
    QVERIFY(r->alignment() & Qt::AlignRight);
    QCOMPARE(r->frameShape(), QFrame::Box);
    QVERIFY(r->autoFillBackground());
    QCOMPARE(r->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0x00));
    QCOMPARE(r->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

void TestCalculatorWindow::focusAndTabOrder() {
    QWidget* w = test::openWindow(nomi::calcolatrice);
    FIND_CHILD(QWidget, zero, w, QStringLiteral("Number0"));
    QTRY_COMPARE(w->focusWidget(), zero);
    const QStringList order{"Number0",   "Number1",   "Number2",   "Number3", "Number4",     "Number5",   "Number6",
                            "Number7",   "Number8",   "Number9",   "Cancel",  "CancelEntry", "Operator1", "Operator3",
                            "Operator2", "Operator0", "Operator4", "Percent", "Decimal"};
    QWidget* current = zero;
    for (int i = 1; i < order.size(); ++i) {
        current = current->nextInFocusChain();
        while (current && !(current->focusPolicy() & Qt::TabFocus)) current = current->nextInFocusChain();
        QVERIFY(current);
        QCOMPARE(current->objectName(), order[i]);
    }
}

void TestCalculatorWindow::longResultShrinksInsteadOfCutting() {
    QWidget* w = test::openWindow(nomi::calcolatrice);
    QVERIFY(clickKeys(w, "1 / 3 = X 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 ="));
    FIND_CHILD(ReadoutLabel, r, w, QStringLiteral("Readout"));
    QCOMPARE(r->text(), QStringLiteral("3,33333333333333E+19"));
    const ReadoutLabel::Fit fit = r->fit();
    QCOMPARE(fit.text, r->text());
    QVERIFY(fit.font.pointSizeF() >= ReadoutLabel::kSmallestPoints);
    QVERIFY(QFontMetricsF(fit.font).horizontalAdvance(fit.text) <= r->contentsRect().width());
}

void TestCalculatorWindow::longEntryKeepsItsTail() {
    QWidget* w = test::openWindow(nomi::calcolatrice);
    QString keys;
    for (int i = 0; i < 60; ++i) keys += QString::number(i % 10) + ' ';
    QVERIFY(clickKeys(w, keys + "5"));
    FIND_CHILD(ReadoutLabel, r, w, QStringLiteral("Readout"));
    QCOMPARE(r->text().size(), 62);  // every digit is kept in the working text
    const ReadoutLabel::Fit fit = r->fit();
    QCOMPARE(fit.font.pointSizeF(), ReadoutLabel::kSmallestPoints);
    QVERIFY(fit.text.endsWith(QStringLiteral("7895,")));
    QVERIFY(fit.text.size() < r->text().size());
    QVERIFY(QFontMetricsF(fit.font).horizontalAdvance(fit.text) <= r->contentsRect().width());
}

void TestCalculatorWindow::edgeCasesByKeyboard_data() {
    edgeCasesByClicks_data();
}

void TestCalculatorWindow::edgeCasesByKeyboard() {
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QWidget* w = test::openWindow(nomi::calcolatrice);
    QVERIFY(test::activate(w));
    QVERIFY(typeKeys(w, keys));
    QCOMPARE(readout(w), expected);
    QVERIFY(m_messages.size() <= 1);
}

// Every keyboard key and the calculator key it presses.
void TestCalculatorWindow::keyboardVariants_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("keyText");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("button");
    const auto row = [](const char* name, Qt::Key key, const QString& text, Qt::KeyboardModifiers m,
                        const char* button) { QTest::newRow(name) << int(key) << text << int(m) << button; };
    for (int d = 0; d <= 9; ++d) {
        const QString digit = QString::number(d);
        const QByteArray name = "digit " + digit.toLatin1();
        const QByteArray keypad = "keypad " + digit.toLatin1();
        row(name.constData(), Qt::Key(Qt::Key_0 + d), digit, Qt::NoModifier, qPrintable("Number" + digit));
        row(keypad.constData(), Qt::Key(Qt::Key_0 + d), digit, Qt::KeypadModifier, qPrintable("Number" + digit));
    }
    row("comma", Qt::Key_Comma, ",", Qt::NoModifier, "Decimal");
    row("point", Qt::Key_Period, ".", Qt::NoModifier, "Decimal");
    row("keypad decimal", Qt::Key_Period, ".", Qt::KeypadModifier, "Decimal");
    row("keypad decimal, Italian layout", Qt::Key_Period, ",", Qt::KeypadModifier, "Decimal");
    row("plus", Qt::Key_Plus, "+", Qt::ShiftModifier, "Operator1");
    row("keypad plus", Qt::Key_Plus, "+", Qt::KeypadModifier, "Operator1");
    row("minus", Qt::Key_Minus, "-", Qt::NoModifier, "Operator3");
    row("keypad minus", Qt::Key_Minus, "-", Qt::KeypadModifier, "Operator3");
    row("asterisk", Qt::Key_Asterisk, "*", Qt::ShiftModifier, "Operator2");
    row("keypad asterisk", Qt::Key_Asterisk, "*", Qt::KeypadModifier, "Operator2");
    row("x", Qt::Key_X, "x", Qt::NoModifier, "Operator2");
    row("X", Qt::Key_X, "X", Qt::ShiftModifier, "Operator2");
    row("slash", Qt::Key_Slash, "/", Qt::NoModifier, "Operator0");
    row("keypad slash", Qt::Key_Slash, "/", Qt::KeypadModifier, "Operator0");
    row("percent", Qt::Key_Percent, "%", Qt::ShiftModifier, "Percent");
    row("enter", Qt::Key_Return, test::kEnterText, Qt::NoModifier, "Operator4");
    row("keypad enter", Qt::Key_Enter, test::kEnterText, Qt::KeypadModifier, "Operator4");
    row("equals", Qt::Key_Equal, "=", Qt::NoModifier, "Operator4");
    row("escape", Qt::Key_Escape, test::kEscapeText, Qt::NoModifier, "Cancel");
    row("delete", Qt::Key_Delete, test::kDeleteText, Qt::NoModifier, "CancelEntry");
    // The keypad on some desktops sends its keys without text: the key code
    // decides.
    row("digit without text", Qt::Key_5, QString(), Qt::NoModifier, "Number5");
    row("keypad digit without text", Qt::Key_0, QString(), Qt::KeypadModifier, "Number0");
    row("keypad plus without text", Qt::Key_Plus, QString(), Qt::KeypadModifier, "Operator1");
    row("keypad minus without text", Qt::Key_Minus, QString(), Qt::KeypadModifier, "Operator3");
    row("keypad asterisk without text", Qt::Key_Asterisk, QString(), Qt::KeypadModifier, "Operator2");
    row("keypad slash without text", Qt::Key_Slash, QString(), Qt::KeypadModifier, "Operator0");
    row("keypad decimal without text", Qt::Key_Period, QString(), Qt::KeypadModifier, "Decimal");
    row("keypad enter without text", Qt::Key_Enter, QString(), Qt::KeypadModifier, "Operator4");
}

void TestCalculatorWindow::keyboardVariants() {
    QFETCH(int, key);
    QFETCH(QString, keyText);
    QFETCH(int, modifiers);
    QFETCH(QString, button);
    QWidget* w = test::openWindow(nomi::calcolatrice);
    QVERIFY(test::activate(w));
    // From every key of the window, each key press is one click of the
    // matching key and of no other.
    for (QPushButton* focused : w->findChildren<QPushButton*>()) {
        focused->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), focused);
        QList<QSignalSpy*> spies;
        for (QPushButton* b : w->findChildren<QPushButton*>()) spies << new QSignalSpy(b, &QAbstractButton::clicked);
        test::pressKey(Qt::Key(key), keyText, Qt::KeyboardModifiers(modifiers));
        const QList<QPushButton*> buttons = w->findChildren<QPushButton*>();
        for (int i = 0; i < buttons.size(); ++i) {
            const int expected = buttons.at(i)->objectName() == button ? 1 : 0;
            QVERIFY2(spies.at(i)->count() == expected, qPrintable(QStringLiteral("%1 clicked %2 times from %3")
                                                                      .arg(buttons.at(i)->objectName())
                                                                      .arg(spies.at(i)->count())
                                                                      .arg(focused->objectName())));
        }
        qDeleteAll(spies);
        QCOMPARE(QApplication::focusWidget(), focused);
    }
}

void TestCalculatorWindow::oneKeyOneClickShownPressed() {
    QWidget* w = test::openWindow(nomi::calcolatrice);
    QVERIFY(test::activate(w));
    FIND_CHILD(QPushButton, seven, w, "Number7");
    QSignalSpy clicks(seven, &QAbstractButton::clicked);
    test::pressKey(Qt::Key_7, "7");
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(readout(w), QStringLiteral("7,"));
    QVERIFY(seven->isDown());  // shown pressed for a moment
    // A key typed again at once is a second click, not lost.
    test::pressKey(Qt::Key_7, "7");
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(readout(w), QStringLiteral("77,"));
    QTRY_VERIFY(!seven->isDown());
    QCOMPARE(clicks.count(), 2);
    // Enter on the focused "0" key is "=", and does not click "0" too.
    FIND_CHILD(QPushButton, zero, w, "Number0");
    zero->setFocus(Qt::OtherFocusReason);
    QSignalSpy zeroClicks(zero, &QAbstractButton::clicked);
    test::typeToFocus("+3");
    test::pressKey(Qt::Key_Return, test::kEnterText);
    QCOMPARE(readout(w), QStringLiteral("80"));
    QCOMPARE(zeroClicks.count(), 0);
    // The mouse works as before.
    QVERIFY(clickKeys(w, "C 4"));
    QCOMPARE(readout(w), QStringLiteral("4,"));
    QCOMPARE(clicks.count(), 2);
}

void TestCalculatorWindow::keyboardDivisionByZero() {
    QWidget* w = test::openWindow(nomi::calcolatrice);
    QVERIFY(test::activate(w));
    test::typeToFocus("8/0");
    QVERIFY(m_messages.isEmpty());
    test::pressKey(Qt::Key_Return, test::kEnterText);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].text, QStringLiteral("Impossibile dividere per zero"));
    QCOMPARE(readout(w), QStringLiteral("8,"));

    // The real box, as a click brings it.
    setMessageHookForTests({});
    test::typeToFocus("/0");
    QString text;
    QTimer answer;
    answer.setInterval(10);
    connect(&answer, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        answer.stop();
        text = box->text();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    answer.start();
    test::pressKey(Qt::Key_Equal, "=");
    setMessageHookForTests([this](const MessageText& m) { m_messages << m; });
    QCOMPARE(text, QStringLiteral("Impossibile dividere per zero"));
    QCOMPARE(readout(w), QStringLiteral("8,"));
}

// Keys that are no calculator key keep the toolkit's work: Tab moves the
// focus, the space bar clicks the focused key, Ctrl with a digit does
// nothing.
void TestCalculatorWindow::otherKeysLeftAlone() {
    QWidget* w = test::openWindow(nomi::calcolatrice);
    QVERIFY(test::activate(w));
    FIND_CHILD(QWidget, zero, w, "Number0");
    FIND_CHILD(QWidget, one, w, "Number1");
    QTRY_COMPARE(QApplication::focusWidget(), zero);
    test::pressTab();
    QCOMPARE(QApplication::focusWidget(), one);
    test::pressKey(Qt::Key_Space, " ");
    QCOMPARE(readout(w), QStringLiteral("1,"));
    test::pressKey(Qt::Key_5, "5", Qt::ControlModifier);
    test::pressKey(Qt::Key_A, "a");
    QCOMPARE(readout(w), QStringLiteral("1,"));
    test::pressBacktab();
    QCOMPARE(QApplication::focusWidget(), zero);
}

QTEST_MAIN(TestCalculatorWindow)
#include "tst_calculatorwindow.moc"
