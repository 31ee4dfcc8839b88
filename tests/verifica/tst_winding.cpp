#include "app/core/NumberText.h"
#include "toroids/core/CalcoloSpire.h"
#include "toroids/core/CatalogoToroidi.h"
#include "verifica/core/Winding.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <string>

using namespace ombrana;
using Outcome = ToroidWinding::Outcome;

Q_DECLARE_METATYPE(ToroidWinding::Outcome)

namespace {

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// What the toroid window shows when the inductance is typed as the program
// writes it: the alert, or the text of the turns label.
struct WindowAnswer {
    bool alert = false;
    std::string turns;
    bool operator==(const WindowAnswer&) const = default;
};

WindowAnswer toroidWindow(std::string_view core, double inductanceuH) {
    const EsitoSpire e = calcolaSpire(core, scriviNumero(inductanceuH), core);
    return {e.azione == EsitoSpire::Azione::Allarme, e.risultato};
}

// The winding says what the window says: the alert is over the limit, no
// turns (an empty label or 0) is no winding, otherwise the same turns.
bool sameAsWindow(std::string_view core, double inductanceuH) {
    const WindowAnswer window = toroidWindow(core, inductanceuH);
    const ToroidWinding w = windOnToroid(core, inductanceuH);
    if (window.alert) return w.outcome == Outcome::OverLimit;
    if (window.turns.empty() || window.turns == "0") return w.outcome == Outcome::NoTurns;
    return w.outcome == Outcome::Wound && std::to_string(w.turns) == window.turns;
}

// Doubles around m: m itself, its neighbours, and the 15-digit numbers next
// to it with their neighbours, which are what the window's text can hold.
std::vector<double> around(double m) {
    const double step = std::pow(10.0, std::floor(std::log10(m)) - 14);
    std::vector<double> xs;
    for (double base : {m, arrotonda15Cifre(m - step), arrotonda15Cifre(m), arrotonda15Cifre(m + step)}) {
        xs.push_back(base);
        xs.push_back(std::nextafter(base, 0.0));
        xs.push_back(std::nextafter(base, std::numeric_limits<double>::infinity()));
    }
    return xs;
}

}  // namespace

class TestWinding : public QObject {
    Q_OBJECT
private slots:
    void toroidTurns_data();
    void toroidTurns();
    void sameAsToroidWindowAtEveryStep_data();
    void sameAsToroidWindowAtEveryStep();
    void mixes_data();
    void mixes();
    void airCoil_data();
    void airCoil();
};

void TestWinding::toroidTurns_data() {
    QTest::addColumn<QString>("core");
    QTest::addColumn<double>("inductance");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("turns");
    QTest::addColumn<double>("realL");  // AL x N^2 / 10000 by hand
    const double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    // The toroid window's own figures for the same values.
    QTest::newRow("T37/2 10 uH") << "T37/2" << 10.0 << Outcome::Wound << 50 << 10.0;
    QTest::newRow("T300/2 100 uH") << "T300/2" << 100.0 << Outcome::Wound << 94 << 100.7304;
    QTest::newRow("T37/12 6 uH") << "T37/12" << 6.0 << Outcome::Wound << 63 << 5.9535;
    QTest::newRow("T94/0 fractional AL") << "T94/0" << 40.0 << Outcome::Wound << 194 << 39.89416;
    QTest::newRow("T60/22 unlisted, no limit") << "T60/22" << 1000.0 << Outcome::Wound << 392 << 998.816;
    // 100 x sqrt(3.969 / 40) is 31.5: the single-precision quotient lies below.
    QTest::newRow("T37/2 single-precision quotient") << "T37/2" << 3.969 << Outcome::Wound << 31 << 3.844;
    // The limits meet the inductance read in single precision: 16.9 reads a
    // little below, 50.7 a little above.
    QTest::newRow("T37/2 16,9 at its limit") << "T37/2" << 16.9 << Outcome::Wound << 65 << 16.9;
    QTest::newRow("T37/3 50,7 at its limit") << "T37/3" << 50.7 << Outcome::OverLimit << 0 << 0.0;
    QTest::newRow("T184/2 2700 at its limit") << "T184/2" << 2700.0 << Outcome::Wound << 335 << 2693.4;
    QTest::newRow("T184/2 2701 over") << "T184/2" << 2701.0 << Outcome::OverLimit << 0 << 0.0;
    QTest::newRow("T37/12 6,5 over") << "T37/12" << 6.5 << Outcome::OverLimit << 0 << 0.0;
    // Its 15 digits, 0,398002490401268, read through a double land on a tie
    // of two floats; read straight they give the lower one: 28.4999991 turns.
    QTest::newRow("T37/0 digits beside a tie") << "T37/0" << 0.39800249040126801 << Outcome::Wound << 28 << 0.38416;
    QTest::newRow("T60/22 32767 turns") << "T60/22" << 6978900.0 << Outcome::Wound << 32767 << 6978895.8785;
    QTest::newRow("T60/22 32768 turns") << "T60/22" << 6979200.0 << Outcome::NoTurns << 0 << 0.0;
    // What the window cannot take or has no core for.
    QTest::newRow("largest single over the limit") << "T300/2" << 3e38 << Outcome::OverLimit << 0 << 0.0;
    QTest::newRow("beyond single precision") << "T300/2" << 1e39 << Outcome::NoTurns << 0 << 0.0;
    QTest::newRow("no core picked") << "TOROIDI" << 10.0 << Outcome::NoTurns << 0 << 0.0;
    QTest::newRow("core without data") << "T60/3" << 10.0 << Outcome::NoTurns << 0 << 0.0;
    QTest::newRow("no core") << "" << 10.0 << Outcome::NoTurns << 0 << 0.0;
    QTest::newRow("zero") << "T37/2" << 0.0 << Outcome::NoTurns << 0 << 0.0;
    QTest::newRow("negative over the limit") << "T37/2" << -100.0 << Outcome::NoTurns << 0 << 0.0;
    QTest::newRow("infinity") << "T37/2" << inf << Outcome::NoTurns << 0 << 0.0;
    QTest::newRow("nan") << "T37/2" << std::nan("") << Outcome::NoTurns << 0 << 0.0;
    // clang-format on
}

void TestWinding::toroidTurns() {
    QFETCH(QString, core);
    QFETCH(double, inductance);
    QFETCH(Outcome, outcome);
    QFETCH(int, turns);
    QFETCH(double, realL);
    const ToroidWinding w = windOnToroid(core.toStdString(), inductance);
    QCOMPARE(w.outcome, outcome);
    QCOMPARE(w.turns, turns);
    QVERIFY2(std::abs(w.inductanceuH - realL) <= 1e-9 * realL, qPrintable(QString::number(w.inductanceuH, 'g', 15)));
}

void TestWinding::sameAsToroidWindowAtEveryStep_data() {
    QTest::addColumn<QString>("core");
    for (std::string_view s : toroidiSelezionabili) QTest::newRow(std::string(s).c_str()) << q(s);
}

// Every inductance where the window's answer changes on a core, from no turn
// to one, at each half turn up to the limit, and at the limit, lies between
// two neighbouring single-precision values. At the doubles around the tie of
// those two the winding must give what the window gives.
void TestWinding::sameAsToroidWindowAtEveryStep() {
    QFETCH(QString, core);
    const std::string name = core.toStdString();
    const double al = *fattoreAL(name);
    const double limit = *limiteInduttanza(name);

    const auto halfTurn = [al](int k) { return al * (k + 0.5) * (k + 0.5) / 10000; };
    std::vector<double> steps{limit};
    for (int k = 0; halfTurn(k) < limit; ++k) steps.push_back(halfTurn(k));

    int found = 0;
    for (double step : steps) {
        float low = std::nextafter(std::nextafter(static_cast<float>(step), 0.0f), 0.0f);
        for (int i = 0; i < 4; ++i) {
            const float high = std::nextafter(low, std::numeric_limits<float>::infinity());
            if (toroidWindow(name, low) != toroidWindow(name, high)) {
                ++found;
                const double tie = (double(low) + double(high)) / 2;
                for (double x : around(tie)) QVERIFY2(sameAsWindow(name, x), qPrintable(QString::number(x, 'g', 17)));
                break;
            }
            low = high;
        }
    }
    // Each half turn below the limit and the limit itself is a change.
    QCOMPARE(found, int(steps.size()));
}

void TestWinding::mixes_data() {
    QTest::addColumn<QString>("core");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QString>("colours");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    // clang-format off
    // As TAB 2 shows them: "0,5 - 50 MHz", "   1 - 30 MHz", "0,03 - 1 MHz", "  0,1 - 3 MHz".
    QTest::newRow("T50/1") << "T50/1" << true << "Blu      Grigio" << 0.5 << 50.0;
    QTest::newRow("T50/2") << "T50/2" << true << "Rosso  Grigio" << 1.0 << 30.0;
    QTest::newRow("T200/3") << "T200/3" << true << "Grigio   Grigio" << 0.03 << 1.0;
    QTest::newRow("T37/15, not /1") << "T37/15" << true << "Rosso  Bianco" << 0.1 << 3.0;
    QTest::newRow("T37/17") << "T37/17" << true << "Blu       Giallo" << 20.0 << 200.0;
    QTest::newRow("mix not in the table") << "T50/5" << false << "" << 0.0 << 0.0;
    QTest::newRow("no mix") << "TOROIDI" << false << "" << 0.0 << 0.0;
    // clang-format on
}

void TestWinding::mixes() {
    QFETCH(QString, core);
    QFETCH(bool, known);
    QFETCH(QString, colours);
    QFETCH(double, from);
    QFETCH(double, to);
    const std::optional<MixInfo> mix = mixOf(core.toStdString());
    QCOMPARE(mix.has_value(), known);
    if (!mix) return;
    QCOMPARE(q(mix->colours), colours);
    QCOMPARE(mix->fromMHz, from);
    QCOMPARE(mix->toMHz, to);
}

void TestWinding::airCoil_data() {
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("inductance");
    QTest::addColumn<int>("turns");
    QTest::addColumn<double>("realL");  // r^2 N^2 / (9 r + 10 l) in inches, by hand
    // clang-format off
    QTest::newRow("20 mm, 15 mm, 10 turns") << 20.0 << 15.0 << 1.64 << 10 << 1.6404199475065615;
    QTest::newRow("no length: r N^2 / 9") << 20.0 << 0.0 << 4.37 << 10 << 4.374453193350831;
    // A half-inch former without length: 0.25 x N^2 / 9, so 36 turns give 36 uH.
    QTest::newRow("12,7 mm, 36 turns") << 12.7 << 0.0 << 36.0 << 36 << 36.0;
    QTest::newRow("rounds to the nearer turn") << 12.7 << 0.0 << 36.9 << 36 << 36.0;
    QTest::newRow("rounds up past the half") << 12.7 << 0.0 << 37.1 << 37 << 38.027777777777778;
    // clang-format on
}

void TestWinding::airCoil() {
    QFETCH(double, diameter);
    QFETCH(double, length);
    QFETCH(double, inductance);
    QFETCH(int, turns);
    QFETCH(double, realL);
    const AirCoilWinding w = windInAir(diameter, length, inductance);
    QCOMPARE(w.outcome, AirCoilWinding::Outcome::Wound);
    QCOMPARE(w.turns, turns);
    QVERIFY2(std::abs(w.inductanceuH - realL) <= 1e-12 * realL, qPrintable(QString::number(w.inductanceuH, 'g', 17)));
    QCOMPARE(airCoilInductance(diameter, length, turns), w.inductanceuH);
}

QTEST_GUILESS_MAIN(TestWinding)
#include "tst_winding.moc"
