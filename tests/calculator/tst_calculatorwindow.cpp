#include "CalculatorCases.h"
#include "app/WindowNames.h"
#include "calculator/Calculator.h"
#include "calculator/CalculatorMessage.h"
#include "calculator/CalculatorWindows.h"
#include "calculator/ReadoutLabel.h"
#include "tests/support/WindowTestSupport.h"

#include <QApplication>
#include <QHash>
#include <QMessageBox>
#include <QPointer>
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
        auto* button = test::child<QPushButton>(window, buttonOfCaption().value(caption));
        if (!button) return false;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    return true;
}

QLabel* readout(QWidget* window) {
    return test::child<QLabel>(window, QStringLiteral("Readout"));
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

private:
    QList<CalculatorMessageText> m_messages;
};

void TestCalculatorWindow::initTestCase() {
    registerCalculatorWindows();
    setCalculatorMessageHookForTests([this](const CalculatorMessageText& m) { m_messages << m; });
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
    QCOMPARE(readout(w)->text(), expected);
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
    QCOMPARE(readout(w)->text(), QStringLiteral("8,"));
    // The kept first operand goes on into the next operation.
    QVERIFY(clickKeys(w, "+ 2 ="));
    QCOMPARE(readout(w)->text(), QStringLiteral("10"));
    QCOMPARE(m_messages.size(), 1);
}

void TestCalculatorWindow::realMessageBox() {
    // Without the hook the real modal box comes up; answer it with OK.
    setCalculatorMessageHookForTests({});
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
        shownWhileOpen = readout(w)->text();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    answer.start();
    QVERIFY(clickKeys(w, "="));
    setCalculatorMessageHookForTests([this](const CalculatorMessageText& m) { m_messages << m; });
    QCOMPARE(title, QStringLiteral("Calcolatrice"));
    QCOMPARE(text, QStringLiteral("Impossibile dividere per zero"));
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(shownWhileOpen, QStringLiteral("0,"));
    QCOMPARE(readout(w)->text(), QStringLiteral("8,"));
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
    QCOMPARE(readout(second)->text(), QStringLiteral("3,"));
    QVERIFY(clickKeys(second, "="));
    QCOMPARE(readout(second)->text(), QStringLiteral("15"));
}

void TestCalculatorWindow::reopeningStartsAfresh() {
    QPointer<QWidget> w = test::openWindow(nomi::calcolatrice);
    QVERIFY(clickKeys(w, "1 2 +"));
    QVERIFY(w->close());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());
    QVERIFY(!finestre().isOpen(nomi::calcolatrice));
    QWidget* again = test::openWindow(nomi::calcolatrice);
    QCOMPARE(readout(again)->text(), QStringLiteral("0,"));
    // Nothing of the old sum is left: "=" after a new number gives that number.
    QVERIFY(clickKeys(again, "3 ="));
    QCOMPARE(readout(again)->text(), QStringLiteral("3,"));
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
    auto* ground = test::child<QWidget>(w, QStringLiteral("ground"));
    QVERIFY(ground);
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
    QTest::newRow("Readout") << "Readout" << QRect(120, 105, 2400, 375) << "0,"
                             << "MS Sans Serif" << 12.0;
    QTest::newRow("Number7") << "Number7" << QRect(120, 600, 360, 345) << "7"
                             << "System" << 9.75;
    QTest::newRow("Number4") << "Number4" << QRect(120, 1080, 345, 345) << "4"
                             << "System" << 9.75;
    QTest::newRow("Number2") << "Number2" << QRect(600, 1560, 345, 345) << "2"
                             << "System" << 9.75;
    QTest::newRow("Number0") << "Number0" << QRect(120, 2040, 840, 345) << "0"
                             << "System" << 9.75;
    QTest::newRow("Cancel") << "Cancel" << QRect(1680, 600, 360, 345) << "C"
                            << "Tahoma" << 8.25;
    QTest::newRow("CancelEntry") << "CancelEntry" << QRect(2160, 600, 360, 345) << "CE"
                                 << "Tahoma" << 8.25;
    QTest::newRow("Operator0") << "Operator0" << QRect(2160, 1560, 360, 345) << "/"
                               << "System" << 9.75;
    QTest::newRow("Operator1") << "Operator1" << QRect(1680, 1080, 360, 345) << "+"
                               << "System" << 9.75;
    QTest::newRow("Operator2") << "Operator2" << QRect(1680, 1560, 360, 345) << "X"
                               << "System" << 9.75;
    QTest::newRow("Operator3") << "Operator3" << QRect(2160, 1080, 360, 345) << "-"
                               << "System" << 9.75;
    QTest::newRow("Operator4") << "Operator4" << QRect(1680, 2040, 360, 345) << "="
                               << "System" << 9.75;
    QTest::newRow("Decimal") << "Decimal" << QRect(1080, 2040, 360, 345) << "."
                             << "System" << 9.75;
    QTest::newRow("Percent") << "Percent" << QRect(2160, 2040, 360, 345) << "%"
                             << "System" << 9.75;
}

void TestCalculatorWindow::controls() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, caption);
    QFETCH(QString, family);
    QFETCH(double, points);
    QWidget* w = test::openWindow(nomi::calcolatrice);
    auto* c = test::child<QWidget>(w, name);
    QVERIFY(c);
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
    QLabel* r = readout(w);
    QVERIFY(r->alignment() & Qt::AlignRight);
    QCOMPARE(r->frameShape(), QFrame::Box);
    QVERIFY(r->autoFillBackground());
    QCOMPARE(r->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0x00));
    QCOMPARE(r->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

void TestCalculatorWindow::focusAndTabOrder() {
    QWidget* w = test::openWindow(nomi::calcolatrice);
    QWidget* zero = test::child<QWidget>(w, QStringLiteral("Number0"));
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
    auto* r = qobject_cast<ReadoutLabel*>(readout(w));
    QVERIFY(r);
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
    auto* r = qobject_cast<ReadoutLabel*>(readout(w));
    QCOMPARE(r->text().size(), 62);  // every digit is kept in the working text
    const ReadoutLabel::Fit fit = r->fit();
    QCOMPARE(fit.font.pointSizeF(), ReadoutLabel::kSmallestPoints);
    QVERIFY(fit.text.endsWith(QStringLiteral("7895,")));
    QVERIFY(fit.text.size() < r->text().size());
    QVERIFY(QFontMetricsF(fit.font).horizontalAdvance(fit.text) <= r->contentsRect().width());
}

QTEST_MAIN(TestCalculatorWindow)
#include "tst_calculatorwindow.moc"
