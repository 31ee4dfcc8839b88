#include "app/core/NumberText.h"
#include "app/core/Truncation.h"
#include "filters/core/CellFormulas.h"
#include "inductors/core/AirCoil.h"
#include "inductors/core/InductanceCalculation.h"
#include "toroids/core/CalcoloSpire.h"
#include "verifica/core/LadderAnalysis.h"
#include "verifica/core/ResponseCurve.h"
#include "verifica/core/StandardValues.h"
#include "verifica/core/Verification.h"

#include <QtTest>

#include <cmath>
#include <numbers>

using namespace ombrana;

Q_DECLARE_METATYPE(ombrana::TipoCella)
Q_DECLARE_METATYPE(std::optional<double>)

namespace {

// The three-element Butterworth prototype (g = 1, 2, 1) at 1 MHz and 50 ohms,
// scaled into each cell: c(g) and l(g) are the element values for g.
constexpr double kZ = 50;
constexpr double kW = 2 * std::numbers::pi;  // rad/µs at 1 MHz
double lowC(double g) {
    return g / (kW * kZ) * 1e6;
}  // pF
double lowL(double g) {
    return g * kZ / kW;
}  // µH
double highC(double g) {
    return 1 / (g * kW * kZ) * 1e6;
}
double highL(double g) {
    return kZ / (g * kW);
}

CellValues butterworth(TipoCella t) {
    switch (t) {
        case TipoCella::PassaBassoPiGreco: return {.c1Pf = lowC(1), .l1uH = lowL(2)};
        case TipoCella::PassaBassoT: return {.c1Pf = lowC(2), .l1uH = lowL(1)};
        case TipoCella::PassaAltoPiGreco: return {.c1Pf = highC(2), .l1uH = highL(1)};
        case TipoCella::PassaAltoT: return {.c1Pf = highC(1), .l1uH = highL(2)};
    }
    return {};
}

bool finiteAndNotNegative(const std::optional<double>& x) {
    return !x || (std::isfinite(*x) && *x >= 0);
}

}  // namespace

class TestVerificaCore : public QObject {
    Q_OBJECT
private slots:
    void butterworthLoss_data();
    void butterworthLoss();
    void losslessConservesPower_data();
    void losslessConservesPower();
    void minus3DbOfTheDesignedCells_data();
    void minus3DbOfTheDesignedCells();
    void standardValues_data();
    void standardValues();
    void inductanceMatchesTheInductanceWindows_data();
    void inductanceMatchesTheInductanceWindows();
    void toroidWinding_data();
    void toroidWinding();
    void airCoilWinding_data();
    void airCoilWinding();
    void passaBpigAt7MHz();
    void badInputsGiveNoFigureAndNoNonsense_data();
    void badInputsGiveNoFigureAndNoNonsense();
    void csvReadsBackToTheCurve();
};

void TestVerificaCore::butterworthLoss_data() {
    QTest::addColumn<TipoCella>("tipo");
    QTest::addColumn<double>("ratio");  // frequency over the cut-off
    QTest::addColumn<double>("lossDb");
    struct Row {
        const char* name;
        TipoCella tipo;
        bool low;
    };
    for (const Row& r :
         {Row{"low-pass pi", TipoCella::PassaBassoPiGreco, true}, Row{"low-pass T", TipoCella::PassaBassoT, true},
          Row{"high-pass pi", TipoCella::PassaAltoPiGreco, false}, Row{"high-pass T", TipoCella::PassaAltoT, false}}) {
        for (const auto& [k, loss] : {std::pair{1.0, 3.0103}, std::pair{2.0, 18.1291}, std::pair{3.0, 28.6332}}) {
            const QByteArray name = QByteArray(r.name) + " at " + QByteArray::number(k) + (r.low ? " x fc" : " : fc");
            QTest::newRow(name.constData()) << r.tipo << (r.low ? k : 1 / k) << loss;
        }
    }
}

void TestVerificaCore::butterworthLoss() {
    QFETCH(TipoCella, tipo);
    QFETCH(double, ratio);
    QFETCH(double, lossDb);
    const auto r = analyse(cellLadder(tipo, butterworth(tipo), kZ), ratio);
    QVERIFY(r);
    QVERIFY2(std::abs(r->insertionLossDb - lossDb) < 0.01, qPrintable(QString::number(r->insertionLossDb)));
}

void TestVerificaCore::losslessConservesPower_data() {
    QTest::addColumn<TipoCella>("tipo");
    QTest::addColumn<std::optional<double>>("q");
    for (auto [name, tipo] :
         {std::pair{"low-pass pi", TipoCella::PassaBassoPiGreco}, std::pair{"low-pass T", TipoCella::PassaBassoT},
          std::pair{"high-pass pi", TipoCella::PassaAltoPiGreco}, std::pair{"high-pass T", TipoCella::PassaAltoT}}) {
        QTest::newRow(name) << tipo << std::optional<double>{};
        QTest::newRow((QByteArray(name) + " with Q 50").constData()) << tipo << std::optional<double>{50.0};
    }
}

void TestVerificaCore::losslessConservesPower() {
    QFETCH(TipoCella, tipo);
    QFETCH(std::optional<double>, q);
    CellValues v = butterworth(tipo);
    v.c1Pf *= 1.37;  // off the design, so the match is not perfect anywhere
    v.inductorQ = q;
    const Ladder ladder = cellLadder(tipo, v, kZ);
    for (double f = 0.001; f < 1000; f *= 1.3) {
        const auto r = analyse(ladder, f);
        QVERIFY(r);
        const double total = r->s11Squared + r->s21Squared;
        if (q)
            QVERIFY2(total < 1 - 1e-6 || r->s21Squared < 1e-12 || r->s11Squared > 1 - 1e-6,
                     qPrintable(QString::number(f)));
        else
            QVERIFY2(std::abs(total - 1) < 1e-9, qPrintable(QString::number(f)));
        QVERIFY(r->insertionLossDb >= 0);
        QVERIFY(r->swr >= 1);
        QCOMPARE_LE(r->insertionLossDb, kLossCapDb);
    }
    // Far into the pass band a low-pass cell is a plain wire.
    if (passaBasso(tipo) && !q) QVERIFY(std::abs(analyse(ladder, 1e-4)->swr - 1) < 1e-3);
}

void TestVerificaCore::minus3DbOfTheDesignedCells_data() {
    QTest::addColumn<TipoCella>("tipo");
    QTest::addColumn<double>("cutoff");
    QTest::newRow("PassaBpig 7 MHz") << TipoCella::PassaBassoPiGreco << 7.0;
    QTest::newRow("PassaBaT 14 MHz") << TipoCella::PassaBassoT << 14.0;
    QTest::newRow("PassaApig 1,8 MHz") << TipoCella::PassaAltoPiGreco << 1.8;
    QTest::newRow("PassaAltoaT 5 MHz") << TipoCella::PassaAltoT << 5.0;
}

void TestVerificaCore::minus3DbOfTheDesignedCells() {
    QFETCH(TipoCella, tipo);
    QFETCH(double, cutoff);
    const auto cella = calcolaCella(costantiCella(tipo), cutoff, kZ);
    QVERIFY(cella);
    const Ladder ladder = cellLadder(tipo, {.c1Pf = cella->c1Pf, .l1uH = cella->l1uH}, kZ);
    const auto f3 = frequencyAt3Db(ladder, passBandOf(tipo), cutoff / 100, cutoff * 100);
    QVERIFY(f3);
    QVERIFY2(std::abs(*f3 / cutoff - 1) < 0.02, qPrintable(QString::number(*f3)));
    QVERIFY(std::abs(analyse(ladder, *f3)->insertionLossDb - 3.0) < 1e-6);
    // The crossing nearest the pass band: the pass band side is under 3 dB.
    const double inside = passaBasso(tipo) ? *f3 * 0.98 : *f3 * 1.02;
    QVERIFY(analyse(ladder, inside)->insertionLossDb < 3.0);
}

void TestVerificaCore::standardValues_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QList<double>>("expected");  // E12 below, above, E24 below, above, pair larger, smaller
    QTest::newRow("454,7 pF") << 454.7 << QList<double>{390, 470, 430, 470, 390, 68};
    QTest::newRow("a standard value is its own neighbour") << 470.0 << QList<double>{470, 470, 470, 470, 390, 82};
    QTest::newRow("decade edge 99") << 99.0 << QList<double>{82, 100, 91, 100, 82, 18};
    QTest::newRow("under one picofarad") << 0.5 << QList<double>{0.47, 0.56, 0.47, 0.51, 0.47, 0.027};
    QTest::newRow("tie goes to fewer pF") << 35.0 << QList<double>{33, 39, 33, 36, 33, 1.8};
    QTest::newRow("nF range") << 12345.0 << QList<double>{12000, 15000, 12000, 13000, 12000, 330};
}

void TestVerificaCore::standardValues() {
    QFETCH(double, value);
    QFETCH(QList<double>, expected);
    const auto c = capacitorChoice(value);
    QVERIFY(c);
    const QList<double> got{c->e12.below, c->e12.above,      c->e24.below,
                            c->e24.above, c->e12Pair.larger, c->e12Pair.smaller};
    for (int i = 0; i < got.size(); ++i)
        QVERIFY2(std::abs(got[i] - expected[i]) <= 1e-9 * expected[i],
                 qPrintable(QString("%1: %2").arg(i).arg(got[i])));
    QCOMPARE(c->suggestedPf, c->e24.below);
}

void TestVerificaCore::inductanceMatchesTheInductanceWindows_data() {
    QTest::addColumn<TipoCella>("tipo");
    QTest::addColumn<double>("capacitance");
    QTest::addColumn<double>("cutoff");
    QTest::addColumn<double>("k");
    QTest::newRow("low-pass 430 pF 7 MHz") << TipoCella::PassaBassoPiGreco << 430.0 << 7.0 << kCostanteInduttanza2;
    QTest::newRow("low-pass T 220 pF 1,8 MHz") << TipoCella::PassaBassoT << 220.0 << 1.8 << kCostanteInduttanza2;
    QTest::newRow("high-pass 100 pF 7 MHz") << TipoCella::PassaAltoPiGreco << 100.0 << 7.0 << kCostanteInduttanza;
    QTest::newRow("high-pass T 220 pF 1,8 MHz") << TipoCella::PassaAltoT << 220.0 << 1.8 << kCostanteInduttanza;
}

void TestVerificaCore::inductanceMatchesTheInductanceWindows() {
    QFETCH(TipoCella, tipo);
    QFETCH(double, capacitance);
    QFETCH(double, cutoff);
    QFETCH(double, k);
    const auto l = inductanceForCapacitor(tipo, capacitance, cutoff);
    QVERIFY(l);
    const EsitoInduttanza window = calcolaInduttanza(k, scriviNumero(capacitance), scriviNumero(cutoff));
    QCOMPARE(scriviNumero(troncaDecimali(*l, 2)), window.testo);
}

void TestVerificaCore::toroidWinding_data() {
    QTest::addColumn<QString>("core");
    QTest::addColumn<double>("inductance");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("turns");
    QTest::addColumn<double>("realL");
    using O = ToroidWinding::Outcome;
    QTest::newRow("T50/2 1 uH") << "T50/2" << 1.0 << int(O::Wound) << 14 << 49.0 * 14 * 14 / 10000;
    QTest::newRow("T50/2 2,4 uH") << "T50/2" << 2.40434 << int(O::Wound) << 22 << 49.0 * 22 * 22 / 10000;
    QTest::newRow("T50/2 at its limit") << "T50/2" << 51.98 << int(O::Wound) << 103 << 49.0 * 103 * 103 / 10000;
    QTest::newRow("T50/2 over its limit") << "T50/2" << 52.0 << int(O::OverLimit) << 0 << 0.0;
    QTest::newRow("T37/2 halves to even") << "T37/2" << 15.625 << int(O::Wound) << 62 << 40.0 * 62 * 62 / 10000;
    QTest::newRow("T37/0 fractional AL") << "T37/0" << 2.0 << int(O::Wound) << 64 << 4.9 * 64 * 64 / 10000;
    QTest::newRow("far over the limit") << "T300/2" << 1e12 << int(O::OverLimit) << 0 << 0.0;
    QTest::newRow("rounds to no turns") << "T50/2" << 1e-9 << int(O::NoTurns) << 0 << 0.0;
}

void TestVerificaCore::toroidWinding() {
    QFETCH(QString, core);
    QFETCH(double, inductance);
    QFETCH(int, outcome);
    QFETCH(int, turns);
    QFETCH(double, realL);
    const ToroidWinding w = windOnToroid(core.toStdString(), inductance);
    QCOMPARE(int(w.outcome), outcome);
    QCOMPARE(w.turns, turns);
    QVERIFY(std::abs(w.inductanceuH - realL) < 1e-12);
    if (w.outcome == ToroidWinding::Outcome::Wound) {
        // The toroid window, given the same inductance, gives the same turns.
        const EsitoSpire window = calcolaSpire(core.toStdString(), scriviNumero(inductance), "");
        QCOMPARE(window.risultato, std::to_string(turns));
    }
    QCOMPARE(w.fewTurns(), w.outcome == ToroidWinding::Outcome::Wound && turns < 10);
}

void TestVerificaCore::airCoilWinding_data() {
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("inductance");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("turns");
    using O = AirCoilWinding::Outcome;
    QTest::newRow("20 mm, 15 mm, 1,6404 uH") << 20.0 << 15.0 << 1.6404 << int(O::Wound) << 10;
    QTest::newRow("10 mm, 20 mm, 1,6 uH") << 10.0 << 20.0 << 1.6 << int(O::Wound) << 20;
    QTest::newRow("rounds up to one turn") << 20.0 << 15.0 << 1e-9 << int(O::Wound) << 1;
    QTest::newRow("diameter at the window's limit") << 1000.0 << 10.0 << 1.0 << int(O::OutOfRange) << 0;
    QTest::newRow("turns beyond the window's limit") << 10.0 << 10.0 << 1e12 << int(O::OutOfRange) << 0;
    QTest::newRow("no diameter") << 0.0 << 10.0 << 1.0 << int(O::NoTurns) << 0;
}

void TestVerificaCore::airCoilWinding() {
    QFETCH(double, diameter);
    QFETCH(double, length);
    QFETCH(double, inductance);
    QFETCH(int, outcome);
    QFETCH(int, turns);
    const AirCoilWinding w = windInAir(diameter, length, inductance);
    QCOMPARE(int(w.outcome), outcome);
    QCOMPARE(w.turns, turns);
    if (w.outcome != AirCoilWinding::Outcome::Wound) return;
    // The air-core window, given these turns, shows the inductance they give.
    const EsitoBobinaAria window =
        calcolaBobinaAria(scriviNumero(diameter), std::to_string(turns), scriviNumero(length));
    QCOMPARE(window.risultato, scriviNumero(troncaDecimali(w.inductanceuH, 2)));
}

void TestVerificaCore::passaBpigAt7MHz() {
    const VerificationInput in{.tipo = TipoCella::PassaBassoPiGreco,
                               .cutoffMHz = 7,
                               .impedanceOhm = 50,
                               .c1Pf = 454.7,
                               .l1uH = 2.27,
                               .operatingMHz = defaultOperatingMHz(TipoCella::PassaBassoPiGreco, 7),
                               .builtCapacitorPf = 430,
                               .winding = {.kind = WindingChoice::Kind::Toroid, .core = "T50/2"}};
    const VerificationResult r = verify(in);
    QVERIFY(r.capacitors);
    QCOMPARE(r.capacitors->suggestedPf, 430.0);
    QCOMPARE(r.capacitors->e12Pair.sum(), 458.0);
    QCOMPARE(scriviNumero(troncaDecimali(*r.inductanceForCapacitoruH, 2)), std::string("2,4"));
    QCOMPARE(r.toroid->turns, 22);
    QCOMPARE(r.toroid->mix->colours, std::string_view("Rosso  Grigio"));
    QVERIFY(!r.outsideMixRange);
    QVERIFY(std::abs(*r.asDesigned.minus3DbMHz - 7) < 0.15);
    QVERIFY(std::abs(*r.asBuilt.minus3DbMHz - 7) < 0.35);
    QCOMPARE(*r.harmonic2MHz, 12.6);
    // Butterworth at 0,9, 1,8 and 2,7 times the cut-off, within what the
    // truncated values move it.
    for (auto [got, x] : {std::pair{*r.asDesigned.lossDb, 0.9}, std::pair{*r.asDesigned.loss2Db, 1.8},
                          std::pair{*r.asDesigned.loss3Db, 2.7}})
        QVERIFY2(std::abs(got - 10 * std::log10(1 + std::pow(x, 6))) < 0.1, qPrintable(QString::number(got)));

    // At 50 MHz the operating frequency lies outside mix 2's 1 - 30 MHz.
    VerificationInput vhf = in;
    vhf.operatingMHz = 50;
    QVERIFY(verify(vhf).outsideMixRange);
}

void TestVerificaCore::badInputsGiveNoFigureAndNoNonsense_data() {
    QTest::addColumn<std::optional<double>>("operating");
    QTest::addColumn<std::optional<double>>("capacitor");
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<bool>("built");  // whether as-built figures exist
    using K = WindingChoice::Kind;
    const std::optional<double> none;
    QTest::newRow("no operating frequency") << none << std::optional(430.0) << int(K::Exact) << 0.0 << true;
    QTest::newRow("no capacitor") << std::optional(6.3) << none << int(K::Exact) << 0.0 << false;
    QTest::newRow("zero capacitor") << std::optional(6.3) << std::optional(0.0) << int(K::Exact) << 0.0 << false;
    QTest::newRow("tiny capacitor") << std::optional(6.3) << std::optional(1e-9) << int(K::Exact) << 0.0 << true;
    QTest::newRow("tiny capacitor on a toroid")
        << std::optional(6.3) << std::optional(1e-9) << int(K::Toroid) << 0.0 << false;
    QTest::newRow("huge capacitor in air")
        << std::optional(6.3) << std::optional(1e12) << int(K::AirCoil) << 20.0 << true;
    QTest::newRow("air coil without diameter")
        << std::optional(6.3) << std::optional(430.0) << int(K::AirCoil) << 0.0 << false;
    QTest::newRow("tiny operating frequency")
        << std::optional(1e-12) << std::optional(430.0) << int(K::Exact) << 0.0 << true;
    QTest::newRow("huge operating frequency")
        << std::optional(1e15) << std::optional(430.0) << int(K::Exact) << 0.0 << true;
}

void TestVerificaCore::badInputsGiveNoFigureAndNoNonsense() {
    QFETCH(std::optional<double>, operating);
    QFETCH(std::optional<double>, capacitor);
    QFETCH(int, kind);
    QFETCH(double, diameter);
    QFETCH(bool, built);
    const VerificationResult r = verify(
        {.tipo = TipoCella::PassaBassoT,
         .cutoffMHz = 7,
         .impedanceOhm = 50,
         .c1Pf = 909.4,
         .l1uH = 1.13,
         .operatingMHz = operating,
         .builtCapacitorPf = capacitor,
         .winding = {.kind = WindingChoice::Kind(kind), .core = "T50/2", .diameterMm = diameter, .lengthMm = 10.0}});
    QCOMPARE(r.built.has_value(), built);
    QCOMPARE(r.asDesigned.lossDb.has_value(), operating.has_value());
    for (const CellFigures* f : {&r.asDesigned, &r.asBuilt}) {
        for (const auto& x : {f->minus3DbMHz, f->lossDb, f->swr, f->loss2Db, f->loss3Db})
            QVERIFY(finiteAndNotNegative(x));
        if (f == &r.asBuilt && !built) QVERIFY(!f->lossDb && !f->minus3DbMHz);
    }
}

void TestVerificaCore::csvReadsBackToTheCurve() {
    const Ladder designed = cellLadder(TipoCella::PassaAltoT, butterworth(TipoCella::PassaAltoT), kZ);
    const Ladder built = cellLadder(TipoCella::PassaAltoT, {.c1Pf = 3300, .l1uH = 4.2, .inductorQ = 80.0}, kZ);
    const auto curve = responseCurve(designed, built, 1.0);
    QCOMPARE_GE(curve.size(), std::size_t(400));
    QVERIFY(std::abs(curve.front().frequencyMHz - 0.1) < 1e-12 && std::abs(curve.back().frequencyMHz - 10) < 1e-9);

    const QStringList lines = QString::fromStdString(responseCsv(curve)).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), qsizetype(curve.size() + 1));
    for (std::size_t i = 0; i < curve.size(); ++i) {
        const QStringList fields = lines[qsizetype(i + 1)].split(';');
        QCOMPARE(fields.size(), 4);
        const ResponsePoint& p = curve[i];
        for (auto [k, want] : {std::pair{0, p.frequencyMHz}, std::pair{1, p.lossDesignedDb},
                               std::pair{2, p.lossBuiltDb}, std::pair{3, p.swrBuilt}}) {
            const auto read = leggiNumero(fields[k].toStdString());
            QVERIFY2(read && std::abs(*read - want) <= 1e-12 * std::max(1.0, want),
                     qPrintable(lines[qsizetype(i + 1)]));
        }
    }
}

QTEST_GUILESS_MAIN(TestVerificaCore)
#include "tst_verificacore.moc"
