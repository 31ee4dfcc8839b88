// The sums every ladder calculation shares, against closed forms.
#include "verifica/core/LadderAnalysis.h"
#include "verifica/core/LadderMaths.h"
#include "verifica/core/Prototype.h"
#include "verifica/core/Synthesis.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <numbers>

using namespace ombrana;

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

LadderElement coil(double uH, std::optional<double> q) {
    return {.part = LadderElement::Part::Inductor, .placement = LadderElement::Placement::Series, .value = uH, .q = q};
}

}  // namespace

class TestLadderMaths : public QObject {
    Q_OBJECT
private slots:
    void impedanceOfACoilAndItsQ_data();
    void impedanceOfACoilAndItsQ();
    void capacitorReactance();
    void outerCapacitor();
    void rootBetween_data();
    void rootBetween();
    void peakBetween();
    void rippleMaximaAreFoundExactly();
};

// 1 µH at 1 MHz is 2π ohms; a coil of Q q adds 2π/q in series. A Q that is
// not a positive number gives no impedance, so no figure.
void TestLadderMaths::impedanceOfACoilAndItsQ_data() {
    QTest::addColumn<std::optional<double>>("q");
    QTest::addColumn<bool>("analysed");
    // clang-format off
    QTest::newRow("lossless") << std::optional<double>{} << true;
    QTest::newRow("Q 50") << std::optional(50.0) << true;
    QTest::newRow("Q 0") << std::optional(0.0) << false;
    QTest::newRow("Q -50") << std::optional(-50.0) << false;
    QTest::newRow("Q NaN") << std::optional(kNaN) << false;
    QTest::newRow("Q infinite") << std::optional(kInfinity) << false;
    // clang-format on
}

void TestLadderMaths::impedanceOfACoilAndItsQ() {
    QFETCH(std::optional<double>, q);
    QFETCH(bool, analysed);
    const auto z = impedanceOf(coil(1, q), omega(1));
    QCOMPARE(z.has_value(), analysed);
    const Ladder ladder{.elements = {coil(1, q)}, .impedanceOhm = 50};
    QCOMPARE(analyse(ladder, 1).has_value(), analysed);
    if (!z) return;
    const double x = 2 * std::numbers::pi;
    QVERIFY(std::abs(z->imag() - x) < 1e-12);
    QVERIFY(std::abs(z->real() - (q ? x / *q : 0.0)) < 1e-12);
}

// 1000 pF at 1 MHz: -j 159,15 ohms.
void TestLadderMaths::capacitorReactance() {
    const LadderElement c{
        .part = LadderElement::Part::Capacitor, .placement = LadderElement::Placement::Shunt, .value = 1000};
    const auto z = impedanceOf(c, omega(1));
    QVERIFY(z);
    QCOMPARE(z->real(), 0.0);
    QVERIFY(std::abs(z->imag() + 1e6 / (2 * std::numbers::pi * 1000)) < 1e-9);
    QVERIFY(!impedanceOf({.part = LadderElement::Part::Capacitor, .placement = LadderElement::Placement::Shunt}, 1));
}

// The capacitor nearest the input, wherever the kind puts it.
void TestLadderMaths::outerCapacitor() {
    for (TipoCella kind :
         {TipoCella::PassaBassoPiGreco, TipoCella::PassaAltoPiGreco, TipoCella::PassaBassoT, TipoCella::PassaAltoT}) {
        const Cella values{.c1Pf = 470, .l1uH = 2.2};
        QCOMPARE(outerCapacitorPf(cellLadder(kind, values, 50)), std::optional(470.0));
    }
    QCOMPARE(outerCapacitorPf(Ladder{.elements = {coil(1, {})}}), std::optional<double>{});
}

void TestLadderMaths::rootBetween_data() {
    QTest::addColumn<int>("function");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<double>("root");  // NaN: none
    // clang-format off
    QTest::newRow("x^2 - 2 from 0 to 2") << 0 << 0.0 << 2.0 << std::sqrt(2.0);
    QTest::newRow("x^2 - 2 from 2 to 0") << 0 << 2.0 << 0.0 << std::sqrt(2.0);
    QTest::newRow("no change of sign") << 0 << 2.0 << 3.0 << kNaN;
    QTest::newRow("a root at the end") << 0 << 1.0 << std::sqrt(2.0) << std::sqrt(2.0);
    QTest::newRow("cos from 0 to 3") << 1 << 0.0 << 3.0 << std::numbers::pi / 2;
    QTest::newRow("fails on the way") << 2 << 0.0 << 2.0 << kNaN;
    QTest::newRow("fails at an end") << 2 << 1.0 << 1.5 << kNaN;
    // clang-format on
}

void TestLadderMaths::rootBetween() {
    QFETCH(int, function);
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(double, root);
    const RealFunction functions[] = {
        [](double x) -> std::optional<double> { return x * x - 2; },
        [](double x) -> std::optional<double> { return std::cos(x); },
        // x^2 - 2, but nothing from 1,2 to 1,5, around its root.
        [](double x) -> std::optional<double> {
            if (x > 1.2 && x < 1.5) return std::nullopt;
            return x * x - 2;
        },
    };
    const std::optional<double> found = ombrana::rootBetween(functions[function], from, to);
    QCOMPARE(found.has_value(), !std::isnan(root));
    if (found) QVERIFY2(std::abs(*found - root) < 1e-10, qPrintable(QString::number(*found, 'g', 17)));
}

// The highest value and where; a failing point counts as the lowest.
void TestLadderMaths::peakBetween() {
    const Peak parabola =
        ombrana::peakBetween([](double x) -> std::optional<double> { return 3 - (x - 0.3) * (x - 0.3); }, -1, 2);
    QVERIFY2(std::abs(parabola.at - 0.3) < 1e-5, qPrintable(QString::number(parabola.at)));
    QVERIFY(std::abs(parabola.value - 3) < 1e-10);
    const Peak sine = ombrana::peakBetween([](double x) -> std::optional<double> { return std::sin(x); }, 0, 3);
    QVERIFY(std::abs(sine.at - std::numbers::pi / 2) < 1e-5 && std::abs(sine.value - 1) < 1e-10);
    const Peak gap = ombrana::peakBetween(
        [](double x) -> std::optional<double> {
            if (x < 0.5) return std::nullopt;
            return 1 - x;
        },
        0, 1);
    QVERIFY(gap.at >= 0.5 && std::abs(gap.value - 0.5) < 1e-5);
}

// An equal-ripple ladder's SWR peaks at its ripple: the sweep refines each
// peak past what its samples reach.
void TestLadderMaths::rippleMaximaAreFoundExactly() {
    for (int n : {3, 5, 7, 9}) {
        const Ladder l = *synthesize(TipoCella::PassaBassoPiGreco, chebyshevPrototype(n, 1.2), 10, 50);
        const auto p = highestSwr(l, PassBand::Low, 0.01, 9.99);
        QVERIFY(p);
        QVERIFY2(std::abs(p->swr - 1.2) < 1e-11, qPrintable(QString::number(p->swr, 'g', 17)));
    }
}

QTEST_GUILESS_MAIN(TestLadderMaths)
#include "tst_laddermaths.moc"
