#include "app/core/NumberText.h"
#include "app/core/Truncation.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace ombrana;

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void readsNumbers_data();
    void readsNumbers();
    void readsSinglePrecision_data();
    void readsSinglePrecision();
    void writesNumbers_data();
    void writesNumbers();
    void truncates_data();
    void truncates();
    void truncatesNonFinite();
    void writtenNumberReadsBack();
    void rereadsInSinglePrecision_data();
    void rereadsInSinglePrecision();
};

void TestNumberText::readsNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    // clang-format off
    QTest::newRow("whole") << "7" << true << 7.0;
    QTest::newRow("comma") << "14,2" << true << 14.2;
    QTest::newRow("leading comma") << ",5" << true << 0.5;
    QTest::newRow("trailing comma") << "12," << true << 12.0;
    QTest::newRow("leading zeros") << "007" << true << 7.0;
    QTest::newRow("zero") << "0" << true << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("lone comma") << "," << false << 0.0;
    QTest::newRow("two commas") << "1,2,3" << false << 0.0;
    QTest::newRow("point") << "1.5" << false << 0.0;
    QTest::newRow("minus") << "-5" << false << 0.0;
    QTest::newRow("plus") << "+5" << false << 0.0;
    QTest::newRow("blank before") << " 7" << false << 0.0;
    QTest::newRow("blank after") << "7 " << false << 0.0;
    QTest::newRow("exponent") << "1e308" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("unicode minus") << QString::fromUtf8("\u22125") << false << 0.0;
    QTest::newRow("full-width digit") << QString::fromUtf8("\uff17") << false << 0.0;
    QTest::newRow("overflow") << QString(400, QLatin1Char('9')) << false << 0.0;
    QTest::newRow("underflow reads as zero") << "0," + QString(400, QLatin1Char('0')) + "1" << true << 0.0;
    QTest::newRow("largest whole") << "1" + QString(308, QLatin1Char('0')) << true << 1e308;
    // clang-format on
}

void TestNumberText::readsNumbers() {
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const auto n = leggiNumero(text.toStdString());
    QCOMPARE(n.has_value(), isNumber);
    if (isNumber) QCOMPARE(*n, value);
}

void TestNumberText::readsSinglePrecision_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<float>("value");
    // clang-format off
    QTest::newRow("16,9") << "16,9" << true << 16.9f;
    QTest::newRow("50,7") << "50,7" << true << 50.7f;
    QTest::newRow("beyond float") << "1" + QString(39, QLatin1Char('0')) << false << 0.0f;
    QTest::newRow("empty") << "" << false << 0.0f;
    // clang-format on
}

void TestNumberText::readsSinglePrecision() {
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(float, value);
    const auto n = leggiNumeroSingolo(text.toStdString());
    QCOMPARE(n.has_value(), isNumber);
    if (isNumber) QCOMPARE(*n, value);
}

void TestNumberText::writesNumbers_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("one decimal") << 454.7 << "454,7";
    QTest::newRow("below one") << 0.56 << "0,56";
    QTest::newRow("whole") << 1061.0 << "1061";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("negative") << -3.0 << "-3";
    QTest::newRow("fifteen digits hide binary error") << 0.1 + 0.2 << "0,3";
    QTest::newRow("fifteen digits kept") << 123456789012345.0 << "123456789012345";
    QTest::newRow("sixteenth digit rounded") << 1234567890123456.0 << "1234567890123460";
    QTest::newRow("large without exponent") << 1.5e20 << "150000000000000000000";
    QTest::newRow("small without exponent") << 0.00001 << "0,00001";
    QTest::newRow("tiny") << 1.25e-7 << "0,000000125";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << "";
    // Rounding the largest doubles to 15 digits would leave the range; the
    // text must still read back as a number.
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << "179769313486231" + QString(294, QLatin1Char('0'));
    QTest::newRow("largest negative double") << std::numeric_limits<double>::lowest() << "-179769313486231" + QString(294, QLatin1Char('0'));
    // clang-format on
}

void TestNumberText::writesNumbers() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(scriviNumero(value)), text);
    if (!text.isEmpty() && !text.startsWith('-')) QVERIFY(leggiNumero(text.toStdString()).has_value());
}

void TestNumberText::truncates_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("expected");
    // clang-format off
    QTest::newRow("never rounds up") << 454.7285 << 1 << 454.7;
    QTest::newRow("two decimals") << 2.2714 << 2 << 2.27;
    QTest::newRow("just below a whole step") << 14.309999999999999 << 2 << 14.31;
    QTest::newRow("0,0796*450/1,8") << 0.0796 * 450 / 1.8 << 2 << 19.9;
    QTest::newRow("0,318*450/30") << 0.318 * 450 / 30 << 2 << 4.77;
    QTest::newRow("below one hundredth") << 0.00265 << 2 << 0.0;
    QTest::newRow("below one tenth") << 0.099 << 1 << 0.0;
    QTest::newRow("negative toward zero") << -2.279 << 2 << -2.27;
    QTest::newRow("negative tiny is zero") << -0.001 << 2 << 0.0;
    QTest::newRow("huge unchanged") << 1e300 << 2 << 1e300;
    QTest::newRow("max double") << std::numeric_limits<double>::max() << 2 << std::numeric_limits<double>::max();
    QTest::newRow("max double, cut to tens") << std::numeric_limits<double>::max() << -1 << std::numeric_limits<double>::max();
    QTest::newRow("step beyond the range") << 123.0 << -400 << 0.0;
    QTest::newRow("max double, no decimals") << std::numeric_limits<double>::max() << 0 << 1.79769313486231e308;
    // clang-format on
}

void TestNumberText::truncates() {
    QFETCH(double, x);
    QFETCH(int, n);
    QFETCH(double, expected);
    const double got = troncaDecimali(x, n);
    QCOMPARE(got, expected);
    QVERIFY(!std::signbit(got) || got != 0.0);
}

void TestNumberText::truncatesNonFinite() {
    QVERIFY(std::isnan(troncaDecimali(std::numeric_limits<double>::quiet_NaN(), 2)));
    QCOMPARE(troncaDecimali(std::numeric_limits<double>::infinity(), 1), std::numeric_limits<double>::infinity());
    QCOMPARE(troncaDecimali(-std::numeric_limits<double>::infinity(), 1), -std::numeric_limits<double>::infinity());
}

void TestNumberText::writtenNumberReadsBack() {
    // Any text of up to 15 significant digits survives reading and writing.
    const char* texts[] = {"454,7", "0,56", "1061", "123456789,123456", "0,000123", "99999999999999"};
    for (const char* t : texts) {
        const auto v = leggiNumero(t);
        QVERIFY(v);
        QCOMPARE(QString::fromStdString(scriviNumero(*v)), QString::fromLatin1(t));
    }
}

void TestNumberText::rereadsInSinglePrecision_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<float>("single");
    // clang-format off
    QTest::newRow("16,9") << 16.9 << true << 16.9f;
    // Just below the tie of 16.8999996 and 16.9000015, but written
    // 16,9000005722046, above it.
    QTest::newRow("rounded to 15 digits first") << 16.900000572204586 << true << 16.900001525878906f;
    // 0,398002490401268 read in single precision; the double nearest those
    // digits is the tie of this float and the next one up.
    QTest::newRow("digits beside a tie") << 0.39800249040126801 << true << 0.398002475500106811523f;
    QTest::newRow("zero") << 0.0 << true << 0.0f;
    QTest::newRow("below single precision") << 1e-50 << true << 0.0f;
    QTest::newRow("largest single") << 3.4028234663852886e38 << true << std::numeric_limits<float>::max();
    QTest::newRow("beyond single precision") << 1e39 << false << 0.0f;
    QTest::newRow("negative") << -2.5 << false << 0.0f;
    QTest::newRow("nan") << std::nan("") << false << 0.0f;
    // clang-format on
}

void TestNumberText::rereadsInSinglePrecision() {
    QFETCH(double, value);
    QFETCH(bool, isNumber);
    QFETCH(float, single);
    const std::optional<float> n = rilettoSingolo(value);
    QCOMPARE(n.has_value(), isNumber);
    if (isNumber) QCOMPARE(*n, single);
    // The same as reading the written text, which is what it stands for.
    QCOMPARE(n, leggiNumeroSingolo(scriviNumero(value)));
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
