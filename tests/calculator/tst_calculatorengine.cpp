#include "CalculatorCases.h"
#include "CalculatorKeySequence.h"
#include "calculator/core/CalculatorEngine.h"
#include "calculator/core/CalculatorText.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <random>
#include <string>

using namespace ombrana;
using Outcome = CalculatorEngine::Outcome;
using Kind = CalculatorEngine::LastKeyKind;
using Pending = CalculatorEngine::PendingOperator;

Q_DECLARE_METATYPE(ombrana::CalculatorEngine::LastKeyKind)
Q_DECLARE_METATYPE(ombrana::CalculatorEngine::PendingOperator)

namespace {

// Presses the keys and returns how many times division by zero was reported.
int pressAll(CalculatorEngine& engine, const char* captions) {
    bool ok = false;
    const auto keys = test::calculatorKeys(captions, &ok);
    if (!ok) qWarning("unknown caption in \"%s\"", captions);
    int divisions = 0;
    for (const CalculatorKey key : keys)
        if (engine.press(key) == Outcome::DivisionByZero) ++divisions;
    return divisions;
}

void pressRepeated(CalculatorEngine& engine, CalculatorKey key, int times) {
    for (int i = 0; i < times; ++i) engine.press(key);
}

QString display(const CalculatorEngine& engine) {
    return QString::fromStdString(engine.display());
}

}  // namespace

class TestCalculatorEngine : public QObject {
    Q_OBJECT
private slots:
    void edgeCases_data();
    void edgeCases();
    void moreSequences_data();
    void moreSequences();
    void divisionByZero_data();
    void divisionByZero();
    void states_data();
    void states();
    void writeNumber_data();
    void writeNumber();
    void readNumber_data();
    void readNumber();
    void writtenTextsReadBack();
    void overflowShowsErrorAndStartsAfresh_data();
    void overflowShowsErrorAndStartsAfresh();
    void waysToOverflow_data();
    void waysToOverflow();
    void underflowIsZero();
    void operandCountDoesNotWrap();
    void randomSequences();
};

void TestCalculatorEngine::edgeCases_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    for (const auto& c : test::kCalculatorCases) QTest::newRow(c.name) << c.keys << c.display;
}

void TestCalculatorEngine::edgeCases() {
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    CalculatorEngine engine;
    pressAll(engine, qPrintable(keys));
    QCOMPARE(display(engine), expected);
    QVERIFY(!engine.inError());
}

void TestCalculatorEngine::moreSequences_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("digits after comma") << "1 2 . 5" << "12,5";
    QTest::newRow("digits typed after percent start anew") << "5 % 7" << "7,";
    QTest::newRow("decimal after sign minus") << "- . 5" << "-0,5";
    QTest::newRow("sign minus then digits") << "- 1 2" << "-12,";
    QTest::newRow("plus after sign minus keeps it") << "- + 4" << "-4,";
    QTest::newRow("lone minus taken as operand counts as zero") << "5 + - + 3 =" << "-3";
    QTest::newRow("percent of a lone minus is zero") << "5 + - %" << "0";
    QTest::newRow("percent of negative zero is zero") << "- %" << "0";
    QTest::newRow("subtraction") << "9 - 1 2 =" << "-3";
    QTest::newRow("division") << "1 / 3 =" << "0,333333333333333";
    QTest::newRow("rounded last digit") << "2 / 3 =" << "0,666666666666667";
    QTest::newRow("large result in exponent form") << "9 9 9 9 9 9 9 9 X 9 9 9 9 9 9 9 9 =" << "9,9999998E+15";
    QTest::newRow("fifteen whole digits stay plain") << "9 9 9 9 9 9 9 X 1 0 0 0 0 0 0 0 0 =" << "999999900000000";
    QTest::newRow("small result in exponent form") << "1 / 1 0 0 0 0 0 0 =" << "1E-06";
    QTest::newRow("exponent result used again") << "1 / 1 0 0 0 0 0 0 = X 2 =" << "2E-06";
    QTest::newRow("exponent result in percent") << "1 / 1 0 0 0 0 0 0 = %" << "1E-08";
    QTest::newRow("C after a result") << "2 + 3 = C" << "0,";
    QTest::newRow("C makes operators compute again") << "5 X 2 % % C 2 + 2 =" << "4";
    QTest::newRow("CE keeps pending operation") << "7 X 6 CE 2 =" << "14";
    QTest::newRow("CE then equals takes the cleared display") << "7 X 6 CE =" << "0,";
    QTest::newRow("operator first counts nothing") << "+ 4 + 1 =" << "5";
    QTest::newRow("minus after equals then sign minus") << "2 + 3 = - - 1 =" << "6";
    // clang-format on
}

void TestCalculatorEngine::moreSequences() {
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    CalculatorEngine engine;
    pressAll(engine, qPrintable(keys));
    QCOMPARE(display(engine), expected);
}

void TestCalculatorEngine::divisionByZero_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("messages");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("zero") << "8 / 0 =" << 1 << "8,";
    QTest::newRow("double zero") << "8 / 0 0 =" << 1 << "8,";
    QTest::newRow("zero with decimals") << "8 / . 0 0 =" << 1 << "8,";
    QTest::newRow("negative zero") << "8 / - 0 =" << 1 << "8,";
    QTest::newRow("by zero then next operation") << "8 / 0 = + 2 =" << 1 << "10";
    QTest::newRow("by zero with plus") << "8 / 0 + 1 =" << 1 << "9";
    QTest::newRow("computed first operand shows as number") << "4 + 4 / 0 =" << 1 << "8";
    QTest::newRow("half is not zero") << "8 / . 5 =" << 0 << "16";
    QTest::newRow("zero divided") << "0 / 8 =" << 0 << "0";
    // clang-format on
}

void TestCalculatorEngine::divisionByZero() {
    QFETCH(QString, keys);
    QFETCH(int, messages);
    QFETCH(QString, expected);
    CalculatorEngine engine;
    QCOMPARE(pressAll(engine, qPrintable(keys)), messages);
    QCOMPARE(display(engine), expected);
    QVERIFY(!engine.inError());
}

void TestCalculatorEngine::states_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<Pending>("pending");
    QTest::addColumn<bool>("decimalEntry");
    // clang-format off
    QTest::newRow("load") << "" << Kind::None << 0 << Pending::None << false;
    QTest::newRow("sign minus") << "-" << Kind::Neg << 0 << Pending::None << false;
    QTest::newRow("operator after sign minus") << "- X" << Kind::Neg << 0 << Pending::None << false;
    QTest::newRow("negative second operand") << "5 + -" << Kind::Neg << 1 << Pending::Plus << false;
    QTest::newRow("minus after equals") << "2 + 3 = -" << Kind::Op << 1 << Pending::Minus << false;
    QTest::newRow("decimal") << "4 ." << Kind::Num << 0 << Pending::None << true;
    QTest::newRow("percent") << "5 %" << Kind::Op << 1 << Pending::Percent << true;
    QTest::newRow("CE") << "5 + 3 CE" << Kind::Ce << 1 << Pending::Plus << false;
    QTest::newRow("C") << "5 + 3 C" << Kind::None << 0 << Pending::None << false;
    QTest::newRow("count past two") << "5 X 2 % %" << Kind::Op << 3 << Pending::Percent << true;
    QTest::newRow("equals after count three") << "5 X 2 % % =" << Kind::Op << 3 << Pending::Equals << true;
    // clang-format on
}

void TestCalculatorEngine::states() {
    QFETCH(QString, keys);
    QFETCH(Kind, kind);
    QFETCH(int, count);
    QFETCH(Pending, pending);
    QFETCH(bool, decimalEntry);
    CalculatorEngine engine;
    pressAll(engine, qPrintable(keys));
    QCOMPARE(engine.lastKeyKind(), kind);
    QCOMPARE(int(engine.operandCount()), count);
    QCOMPARE(engine.pendingOperator(), pending);
    QCOMPARE(engine.decimalEntry(), decimalEntry);
}

void TestCalculatorEngine::writeNumber_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");  // "-" when the value cannot be shown
    const double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    QTest::newRow("whole") << 15.0 << "15";
    QTest::newRow("fraction") << 3.75 << "3,75";
    QTest::newRow("twentieth") << 0.05 << "0,05";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("negative") << -1061.5 << "-1061,5";
    QTest::newRow("binary error hidden") << 0.1 + 0.2 << "0,3";
    QTest::newRow("15 whole digits") << 999999999999999.0 << "999999999999999";
    QTest::newRow("16 whole digits") << 1e15 << "1E+15";
    QTest::newRow("rounded to exponent") << 123456789012345678.0 << "1,23456789012346E+17";
    QTest::newRow("rounding carries to next power") << 999999999999999.9 << "1E+15";
    QTest::newRow("four zeros after comma") << 0.0000123 << "0,0000123";
    QTest::newRow("five zeros after comma") << 0.00000123 << "1,23E-06";
    QTest::newRow("negative small") << -2.5e-7 << "-2,5E-07";
    QTest::newRow("negative, last plain power") << -0.00001 << "-0,00001";
    QTest::newRow("negative, 15 digits as exponent") << -1.23456789012345e-10 << "-1,23456789012345E-10";
    QTest::newRow("15 digits across the comma") << 12345678901234.5 << "12345678901234,5";
    QTest::newRow("large") << 1.5e300 << "1,5E+300";
    QTest::newRow("smallest normal") << std::numeric_limits<double>::min() << "2,2250738585072E-308";
    QTest::newRow("largest double rounds beyond range") << std::numeric_limits<double>::max() << "-";
    QTest::newRow("lowest double rounds beyond range") << std::numeric_limits<double>::lowest() << "-";
    QTest::newRow("infinity") << inf << "-";
    QTest::newRow("minus infinity") << -inf << "-";
    QTest::newRow("nan") << std::nan("") << "-";
    // clang-format on
}

void TestCalculatorEngine::writeNumber() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    const auto text = calculatorText(value);
    QCOMPARE(text ? QString::fromStdString(*text) : QStringLiteral("-"), expected);
}

void TestCalculatorEngine::readNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    const double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    QTest::newRow("trailing comma") << "12," << true << 12.0;
    QTest::newRow("leading comma") << ",5" << true << 0.5;
    QTest::newRow("leading zeros") << "007," << true << 7.0;
    QTest::newRow("negative") << "-3,25" << true << -3.25;
    QTest::newRow("negative zero") << "-0," << true << 0.0;
    QTest::newRow("lone minus") << "-" << true << 0.0;
    QTest::newRow("exponent") << "1,5E+20" << true << 1.5e20;
    QTest::newRow("negative exponent") << "-2,5E-07" << true << -2.5e-7;
    QTest::newRow("beyond range") << "1E+400" << true << inf;
    QTest::newRow("beyond range negative") << "-1E+400" << true << -inf;
    QTest::newRow("too small") << "1E-400" << true << 0.0;
    QTest::newRow("many typed digits") << QString(400, QLatin1Char('9')) + "," << true << inf;
    QTest::newRow("many zeros after comma") << "0," + QString(400, QLatin1Char('0')) + "1" << true << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("lone comma") << "," << false << 0.0;
    QTest::newRow("two commas") << "1,2,3" << false << 0.0;
    QTest::newRow("two minus signs") << "--1" << false << 0.0;
    QTest::newRow("plus sign") << "+1" << false << 0.0;
    QTest::newRow("point") << "1.5" << false << 0.0;
    QTest::newRow("lower-case exponent") << "1e5" << false << 0.0;
    QTest::newRow("exponent without digits") << "1E+" << false << 0.0;
    QTest::newRow("exponent alone") << "E" << false << 0.0;
    QTest::newRow("error text") << QString::fromLatin1(kCalculatorErrorText.data(), 1) << false << 0.0;
    QTest::newRow("blank") << "1 2" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    // clang-format on
}

void TestCalculatorEngine::readNumber() {
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const auto read = readCalculatorNumber(text.toStdString());
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber) QCOMPARE(*read, value);
}

void TestCalculatorEngine::writtenTextsReadBack() {
    // Any written text reads back to a value that writes as the same text.
    std::mt19937_64 random(7211);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> power(-320, 307);
    for (int i = 0; i < 5000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, power(random));
        const auto text = calculatorText(value);
        QVERIFY2(text, qPrintable(QString::number(value)));
        const auto back = readCalculatorNumber(*text);
        QVERIFY2(back, text->c_str());
        QCOMPARE(QString::fromStdString(calculatorText(*back).value_or("?")), QString::fromStdString(*text));
        QVERIFY2(std::fabs(*back - value) <= std::fabs(value) * 1e-14, text->c_str());
    }
}

void TestCalculatorEngine::overflowShowsErrorAndStartsAfresh_data() {
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("digit starts afresh") << "5" << "5,";
    QTest::newRow("digit then sum") << "5 + 1 =" << "6";
    QTest::newRow("decimal starts afresh") << ". 5" << "0,5";
    QTest::newRow("C") << "C" << "0,";
    QTest::newRow("CE") << "CE" << "0,";
    QTest::newRow("operators are ignored") << "+ - X / = %" << "E";
    // clang-format on
}

void TestCalculatorEngine::overflowShowsErrorAndStartsAfresh() {
    QFETCH(QString, next);
    QFETCH(QString, expected);
    // 1E+200 times 1E+200 lies beyond the range of a double.
    CalculatorEngine engine;
    const QString hugeOne = "1 " + QString("0 ").repeated(200);
    pressAll(engine, qPrintable(hugeOne + "X " + hugeOne));
    QCOMPARE(engine.press(CalculatorKey::Equals), Outcome::Overflow);
    QVERIFY(engine.inError());
    QCOMPARE(display(engine), QString::fromLatin1(kCalculatorErrorText.data(), 1));
    pressAll(engine, qPrintable(next));
    QCOMPARE(display(engine), expected);
    QCOMPARE(engine.inError(), expected == "E");
}

void TestCalculatorEngine::waysToOverflow_data() {
    QTest::addColumn<QString>("keys");
    const QString nines = QString("9 ").repeated(308);
    const QString tiny = ". " + QString("0 ").repeated(199) + "1 ";
    // clang-format off
    QTest::newRow("sum") << nines + "+ " + nines + "=";
    QTest::newRow("difference") << "- " + nines + "- " + nines + "=";
    QTest::newRow("quotient") << "1 " + QString("0 ").repeated(200) + "/ " + tiny + "=";
    QTest::newRow("percent of a typed number beyond range") << QString("9 ").repeated(400) + "%";
    QTest::newRow("typed numbers beyond range") << QString("9 ").repeated(400) + "- " + QString("9 ").repeated(400) + "=";
    // clang-format on
}

void TestCalculatorEngine::waysToOverflow() {
    QFETCH(QString, keys);
    CalculatorEngine engine;
    pressAll(engine, qPrintable(keys));
    QVERIFY(engine.inError());
    QCOMPARE(display(engine), QStringLiteral("E"));
}

void TestCalculatorEngine::underflowIsZero() {
    // 1E-200 times 1E-200 is too small for a double: zero, not an error.
    CalculatorEngine engine;
    const QString tiny = ". " + QString("0 ").repeated(199) + "1 ";
    pressAll(engine, qPrintable(tiny + "X " + tiny + "="));
    QVERIFY(!engine.inError());
    QCOMPARE(display(engine), QStringLiteral("0"));
}

void TestCalculatorEngine::operandCountDoesNotWrap() {
    // Each "%" counts an operand; a wrapping 16-bit count would come back
    // round to 1 and let the next "=" compute.
    CalculatorEngine engine;
    pressRepeated(engine, CalculatorKey::Percent, 65537);
    QCOMPARE(engine.operandCount(), std::numeric_limits<std::int16_t>::max());
    pressAll(engine, "2 =");
    QCOMPARE(display(engine), QStringLiteral("2,"));
}

void TestCalculatorEngine::randomSequences() {
    constexpr int kKeyCount = 19;
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> anyKey(0, kKeyCount - 1);
    std::uniform_int_distribution<int> length(1, 60);
    const std::string error(kCalculatorErrorText);
    for (int sequence = 0; sequence < 1000; ++sequence) {
        CalculatorEngine engine;
        QString keys;
        const int n = length(random);
        for (int i = 0; i < n; ++i) {
            const auto key = static_cast<CalculatorKey>(anyKey(random));
            const bool wasError = engine.inError();
            keys += QString::fromLatin1(calculatorCaption(key).data(), int(calculatorCaption(key).size())) + ' ';
            engine.press(key);
            const std::string& shown = engine.display();
            if (engine.inError()) {
                QVERIFY2(shown == error, qPrintable(keys));
                continue;
            }
            const auto value = readCalculatorNumber(shown);
            QVERIFY2(value && std::isfinite(*value), qPrintable(keys + "-> " + QString::fromStdString(shown)));
            if (wasError && static_cast<int>(key) <= static_cast<int>(CalculatorKey::Digit9))
                QVERIFY2(shown == std::string(calculatorCaption(key)) + ",", qPrintable(keys));
        }
    }
}

QTEST_GUILESS_MAIN(TestCalculatorEngine)
#include "tst_calculatorengine.moc"
