// The design of ladders of standard capacitors: prototypes against their
// closed forms and published tables, the solver against published
// designs, the proposal's ranking, the part stress against a hand
// calculation.
#include "filters/core/CellFormulas.h"
#include "verifica/core/LadderAnalysis.h"
#include "verifica/core/PartStress.h"
#include "verifica/core/Proposal.h"
#include "verifica/core/Prototype.h"
#include "verifica/core/StandardDesign.h"
#include "verifica/core/Synthesis.h"
#include "verifica/core/Winding.h"

#include <QtTest>

#include <array>
#include <cmath>

using namespace ombrana;

Q_DECLARE_METATYPE(ombrana::TipoCella)
Q_DECLARE_METATYPE(std::vector<double>)
Q_DECLARE_METATYPE(std::optional<int>)

namespace {

constexpr double kZ = 50;

bool near(double a, double b, double relative) {
    return std::abs(a - b) <= relative * std::abs(b);
}

QByteArray show(const std::vector<double>& v) {
    QByteArray out;
    for (double x : v) out += QByteArray::number(x, 'g', 6) + ' ';
    return out;
}

constexpr TipoCella kAllCells[] = {TipoCella::PassaBassoPiGreco, TipoCella::PassaAltoPiGreco, TipoCella::PassaBassoT,
                                   TipoCella::PassaAltoT};

const char* cellName(TipoCella t) {
    switch (t) {
        case TipoCella::PassaBassoPiGreco: return "low-pass pi";
        case TipoCella::PassaAltoPiGreco: return "high-pass pi";
        case TipoCella::PassaBassoT: return "low-pass T";
        case TipoCella::PassaAltoT: return "high-pass T";
    }
    return "";
}

}  // namespace

class TestLadderDesign : public QObject {
    Q_OBJECT
private slots:
    void prototypes_data();
    void prototypes();
    void rippleAsSwr_data();
    void rippleAsSwr();
    void threeElementButterworthIsTheCell_data();
    void threeElementButterworthIsTheCell();
    void highPassMirrorsLowPass();
    void solverMatchesPublishedDesigns_data();
    void solverMatchesPublishedDesigns();
    void solverFindsTheRippleOfAnyDesign_data();
    void solverFindsTheRippleOfAnyDesign();
    void solverRefusesWhatNoRippleGives();
    void highestSwrOfKnownLadders();
    void proposalRanksTheDesignsThatMeetTheJob_data();
    void proposalRanksTheDesignsThatMeetTheJob();
    void partStressByHand_data();
    void partStressByHand();
    void capacitorRatings_data();
    void capacitorRatings();
    void thickestWire_data();
    void thickestWire();
};

void TestLadderDesign::prototypes_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("rippleDb");  // 0: Butterworth
    QTest::addColumn<std::vector<double>>("g");
    // Butterworth from 2 sin((2k-1) pi / 2n); Chebyshev from the published
    // tables of normalised element values.
    // clang-format off
    QTest::newRow("Butterworth 3") << 3 << 0.0 << std::vector<double>{1, 2, 1};
    QTest::newRow("Butterworth 5") << 5 << 0.0 << std::vector<double>{0.6180, 1.6180, 2, 1.6180, 0.6180};
    QTest::newRow("Chebyshev 3, 0,01 dB") << 3 << 0.01 << std::vector<double>{0.6292, 0.9703, 0.6292};
    QTest::newRow("Chebyshev 5, 0,1 dB") << 5 << 0.1 << std::vector<double>{1.1468, 1.3712, 1.9750, 1.3712, 1.1468};
    QTest::newRow("Chebyshev 7, 0,1 dB") << 7 << 0.1 << std::vector<double>{1.1812, 1.4228, 2.0967, 1.5734, 2.0967, 1.4228, 1.1812};
    QTest::newRow("Chebyshev 9, 0,01 dB") << 9 << 0.01 << std::vector<double>{0.8145, 1.4271, 1.8044, 1.7125, 1.9058, 1.7125, 1.8044, 1.4271, 0.8145};
    QTest::newRow("Chebyshev 7, 0,2 dB") << 7 << 0.2 << std::vector<double>{1.3723, 1.3782, 2.2757, 1.5002, 2.2757, 1.3782, 1.3723};
    // clang-format on
}

void TestLadderDesign::prototypes() {
    QFETCH(int, n);
    QFETCH(double, rippleDb);
    QFETCH(std::vector<double>, g);
    const std::vector<double> got =
        rippleDb == 0 ? butterworthPrototype(n) : chebyshevPrototype(n, swrOfRippleDb(rippleDb));
    QCOMPARE(got.size(), g.size());
    for (std::size_t k = 0; k < g.size(); ++k) QVERIFY2(std::abs(got[k] - g[k]) < 6e-5, show(got));
}

void TestLadderDesign::rippleAsSwr_data() {
    QTest::addColumn<double>("swr");
    QTest::addColumn<double>("rippleDb");
    // ripple dB = -10 log10(1 - rho^2), rho = (S-1)/(S+1)
    // clang-format off
    QTest::newRow("SWR 1,2") << 1.2 << 0.036041;
    QTest::newRow("SWR 1,35536") << 1.35536 << 0.1;
    QTest::newRow("3 dB") << 5.8284 << 3.0103;
    // clang-format on
}

void TestLadderDesign::rippleAsSwr() {
    QFETCH(double, swr);
    QFETCH(double, rippleDb);
    QVERIFY(near(rippleDbOfSwr(swr), rippleDb, 1e-4));
    QVERIFY(near(swrOfRippleDb(rippleDb), swr, 1e-4));
    QVERIFY(near(swrOfEpsilon(epsilonOfSwr(swr)), swr, 1e-12));
    // A ripple factor of 1 is a 3 dB ripple, the most designed for.
    QVERIFY(chebyshevPrototype(5, 6.0).empty());
    QVERIFY(chebyshevPrototype(5, 1.0).empty());
    QVERIFY(chebyshevPrototype(4, 1.2).empty());
}

void TestLadderDesign::threeElementButterworthIsTheCell_data() {
    QTest::addColumn<TipoCella>("kind");
    QTest::addColumn<double>("f");
    QTest::addColumn<double>("z");
    for (TipoCella t : kAllCells)
        for (auto [f, z] : {std::pair{7.0, 50.0}, std::pair{0.5, 600.0}, std::pair{145.0, 75.0}})
            QTest::newRow(QByteArray(cellName(t)) + " " + QByteArray::number(f) + " MHz " + QByteArray::number(z))
                << t << f << z;
}

// The cells' own formulas, before their truncation, are the 3-element
// Butterworth ladder with rounded constants (0.318 for 1/pi, ...).
void TestLadderDesign::threeElementButterworthIsTheCell() {
    QFETCH(TipoCella, kind);
    QFETCH(double, f);
    QFETCH(double, z);
    const CostantiCella k = costantiCella(kind);
    const double c = k.kc / (f * z);
    const double l = k.kl * z / f;
    const auto ladder = synthesize(kind, butterworthPrototype(3), f, z);
    QVERIFY(ladder);
    QCOMPARE(ladder->elements.size(), std::size_t(3));
    for (const LadderElement& e : ladder->elements)
        QVERIFY2(near(e.value, e.part == LadderElement::Part::Capacitor ? c : l, 1e-3), QByteArray::number(e.value));
}

// The high-pass transformation: the high-pass ladder at f loses what the
// low-pass one of the same prototype loses at fc^2 / f.
void TestLadderDesign::highPassMirrorsLowPass() {
    const std::vector<double> g = chebyshevPrototype(7, 1.3);
    for (auto [low, high] : {std::pair{TipoCella::PassaBassoPiGreco, TipoCella::PassaAltoPiGreco},
                             std::pair{TipoCella::PassaBassoT, TipoCella::PassaAltoT}}) {
        const Ladder lp = *synthesize(low, g, 10, kZ);
        const Ladder hp = *synthesize(high, g, 10, kZ);
        for (double f : {1.0, 5.0, 9.0, 10.0, 12.0, 30.0})
            QVERIFY(std::abs(analyse(lp, f)->insertionLossDb - analyse(hp, 100 / f)->insertionLossDb) < 1e-9);
    }
}

void TestLadderDesign::solverMatchesPublishedDesigns_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<std::vector<double>>("capacitors");
    QTest::addColumn<double>("rippleSwr");
    QTest::addColumn<double>("cutoff");
    QTest::addColumn<double>("minus3Db");  // 0: not published
    QTest::addColumn<std::vector<double>>("inductors");
    // The handbooks' standard-value-capacitor table (7 elements, design
    // 25), a 40 m five-pole filter and the 40 m design of 270 and 680 pF.
    // clang-format off
    QTest::newRow("SVC table, 7 elements, no. 25") << 7 << std::vector<double>{1500, 3300} << 1.099 << 1.68 << 1.93 << std::vector<double>{6.58, 7.72};
    QTest::newRow("40 m, 5 poles, 360 / 680 pF") << 5 << std::vector<double>{360, 680} << 1.196 << 8.254 << 0.0 << std::vector<double>{1.318};
    QTest::newRow("40 m, 7 elements, 270 / 680 pF") << 7 << std::vector<double>{270, 680} << 1.039 << 7.362 << 0.0 << std::vector<double>{1.380, 1.698};
    // clang-format on
}

void TestLadderDesign::solverMatchesPublishedDesigns() {
    QFETCH(int, n);
    QFETCH(std::vector<double>, capacitors);
    QFETCH(double, rippleSwr);
    QFETCH(double, cutoff);
    QFETCH(double, minus3Db);
    QFETCH(std::vector<double>, inductors);
    const ChebyshevSolution s = solveFromCapacitors(TipoCella::PassaBassoPiGreco, n, capacitors, 1.2, kZ);
    QVERIFY(s.design);
    QVERIFY2(near(s.design->rippleSwr, rippleSwr, 1e-3), QByteArray::number(s.design->rippleSwr));
    QVERIFY2(near(s.design->cutoffMHz, cutoff, 2e-3), QByteArray::number(s.design->cutoffMHz));
    if (minus3Db > 0) {
        const auto f3 = frequencyAt3Db(s.design->ladder, PassBand::Low, cutoff / 100, cutoff * 100);
        QVERIFY(f3 && near(*f3, minus3Db, 3e-3));
    }
    const auto& e = s.design->ladder.elements;
    for (std::size_t k = 0; k < inductors.size(); ++k)
        QVERIFY2(near(e[2 * k + 1].value, inductors[k], 2e-3), QByteArray::number(e[2 * k + 1].value));
    // The capacitors are the ones given, at both ends.
    QCOMPARE(e.front().value, capacitors[0]);
    QCOMPARE(e.back().value, capacitors[0]);
    QCOMPARE(e[2].value, capacitors[1]);
}

void TestLadderDesign::solverFindsTheRippleOfAnyDesign_data() {
    QTest::addColumn<TipoCella>("kind");
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("rippleSwr");
    QTest::addColumn<int>("distinct");  // capacitors of different value
    // A pi low-pass or T high-pass ladder repeats its capacitors less.
    for (TipoCella t : kAllCells) {
        const bool shuntFirst = t == TipoCella::PassaBassoPiGreco || t == TipoCella::PassaAltoT;
        const std::array<int, 4> distinct = shuntFirst ? std::array{1, 2, 2, 3} : std::array{1, 1, 2, 2};
        for (int k = 0; k < 4; ++k)
            for (double s : {1.02, 1.5}) {
                const int n = 3 + 2 * k;
                const QByteArray name =
                    QByteArray(cellName(t)) + " " + QByteArray::number(n) + " SWR " + QByteArray::number(s);
                QTest::newRow(name.constData()) << t << n << s << distinct[std::size_t(k)];
            }
    }
}

// Any Chebyshev design's own capacitors give back its ripple, its cut-off
// and its inductors.
void TestLadderDesign::solverFindsTheRippleOfAnyDesign() {
    QFETCH(TipoCella, kind);
    QFETCH(int, n);
    QFETCH(double, rippleSwr);
    QFETCH(int, distinct);
    const Ladder design = *synthesize(kind, chebyshevPrototype(n, rippleSwr), 3.7, kZ);
    std::vector<double> capacitors;
    for (std::size_t i : distinctCapacitors(kind, n)) capacitors.push_back(design.elements[i].value);
    QCOMPARE(capacitors.size(), std::size_t(distinct));
    const ChebyshevSolution s = solveFromCapacitors(kind, n, capacitors, rippleSwr, kZ);
    QVERIFY(s.design);
    QVERIFY(near(s.design->rippleSwr, rippleSwr, 1e-9));
    QVERIFY(near(s.design->cutoffMHz, 3.7, 1e-9));
    for (std::size_t i = 0; i < design.elements.size(); ++i)
        QVERIFY(near(s.design->ladder.elements[i].value, design.elements[i].value, 1e-9));
}

void TestLadderDesign::solverRefusesWhatNoRippleGives() {
    // 1200 / 270 is beyond what a seven-element ladder's ripple gives.
    const ChebyshevSolution s = solveFromCapacitors(TipoCella::PassaBassoPiGreco, 7, {270, 1200}, 1.2, kZ);
    QVERIFY(!s.design);
    QCOMPARE(int(s.failure), int(ChebyshevSolution::Failure::NoRipple));
    QVERIFY(s.ratios && near(s.ratios->least, 1.3182, 1e-3) && near(s.ratios->most, 4.0199, 1e-3));
    // A high-pass ladder's capacitors run the other way: the inner ones are
    // the smaller.
    const auto hp = capacitorRatioRange(TipoCella::PassaAltoT, 7);
    QVERIFY(hp && near(hp->least, 1 / 4.0199, 1e-3) && near(hp->most, 1 / 1.3182, 1e-3));
    QCOMPARE(int(solveFromCapacitors(TipoCella::PassaBassoPiGreco, 7, {270}, 1.2, kZ).failure),
             int(ChebyshevSolution::Failure::NoCapacitor));
    QCOMPARE(int(solveFromCapacitors(TipoCella::PassaBassoT, 5, {-3}, 1.2, kZ).failure),
             int(ChebyshevSolution::Failure::NoCapacitor));
}

void TestLadderDesign::highestSwrOfKnownLadders() {
    // A series 7,958 uH at 1 MHz is a 50 ohm reactance: |S11| = 1/sqrt(5).
    const Ladder coil{.elements = {{.part = LadderElement::Part::Inductor,
                                    .placement = LadderElement::Placement::Series,
                                    .value = 7.9577}},
                      .impedanceOhm = kZ};
    QVERIFY(near(analyse(coil, 1)->swr, 2.618, 1e-3));
    // A 3-element Butterworth: |S11|^2 = x^6 / (1 + x^6); its highest SWR up
    // to the cut-off is there, 5,828; at 0,9 of it 3,87.
    const Ladder cell = *synthesize(TipoCella::PassaBassoPiGreco, butterworthPrototype(3), 1, kZ);
    const auto peak = highestSwr(cell, PassBand::Low, 0.001, 1);
    QVERIFY(peak && near(peak->swr, 5.828, 1e-3) && near(peak->frequencyMHz, 1, 1e-6));
    const double s = std::pow(0.9, 6) / (1 + std::pow(0.9, 6));
    QVERIFY(near(highestSwr(cell, PassBand::Low, 0.001, 0.9)->swr, (1 + std::sqrt(s)) / (1 - std::sqrt(s)), 1e-9));
    // An equal-ripple ladder peaks at its ripple wherever the band ends
    // past its first peak; for a high-pass ladder from the edge upward.
    for (TipoCella t : kAllCells) {
        const Ladder l = *synthesize(t, chebyshevPrototype(9, 1.1), 10, kZ);
        const bool low = passaBasso(t);
        const auto p = low ? highestSwr(l, PassBand::Low, 0.01, 9.9) : highestSwr(l, PassBand::High, 10.1, 1000);
        QVERIFY2(p && near(p->swr, 1.1, 1e-6), cellName(t));
    }
    // The -3 dB search takes its last step: the 1 MHz cell loses half the
    // power where 1 + x^6 = 2, at 1 MHz, just under the search's end.
    const auto f3 = frequencyAt3Db(cell, PassBand::Low, 0.01, 1.005);
    QVERIFY(f3 && near(*f3, 1.0, 1e-9));
}

void TestLadderDesign::proposalRanksTheDesignsThatMeetTheJob_data() {
    QTest::addColumn<TipoCella>("kind");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<int>("series");
    QTest::addColumn<double>("maxSwr");
    QTest::addColumn<double>("minLoss");
    QTest::addColumn<std::optional<int>>("elements");
    QTest::addColumn<std::vector<double>>("first");  // the first row's capacitors; empty: none meets
    QTest::addColumn<double>("firstLoss");           // its loss at the harmonic, or how close the best comes
    QTest::addColumn<int>("shortfall");              // -1 none, else the limit
    const std::optional<int> any;
    // clang-format off
    QTest::newRow("40 m, 7 el., E24") << TipoCella::PassaBassoPiGreco << 7.0 << 7.2 << int(Series::E24) << 1.2 << 40.0 << std::optional(7) << std::vector<double>{330, 750} << 43.56 << -1;
    QTest::newRow("40 m, 7 el., E12, 30 dB") << TipoCella::PassaBassoPiGreco << 7.0 << 7.2 << int(Series::E12) << 1.2 << 30.0 << std::optional(7) << std::vector<double>{270, 680} << 36.19 << -1;
    QTest::newRow("40 m, 7 el., E12: no 40 dB") << TipoCella::PassaBassoPiGreco << 7.0 << 7.2 << int(Series::E12) << 1.2 << 40.0 << std::optional(7) << std::vector<double>{} << 36.19 << int(Shortfall::Limit::Loss);
    QTest::newRow("40 m, any count") << TipoCella::PassaBassoPiGreco << 7.0 << 7.2 << int(Series::E24) << 1.2 << 40.0 << any << std::vector<double>{330, 750} << 43.56 << -1;
    QTest::newRow("20 m, low-pass T") << TipoCella::PassaBassoT << 14.0 << 14.35 << int(Series::E12) << 1.3 << 40.0 << any << std::vector<double>{} << 0.0 << -1;
    QTest::newRow("80 m, high-pass pi") << TipoCella::PassaAltoPiGreco << 3.5 << 3.8 << int(Series::E24) << 1.2 << 40.0 << any << std::vector<double>{} << 0.0 << -1;
    QTest::newRow("2 m, high-pass T, E12") << TipoCella::PassaAltoT << 144.0 << 146.0 << int(Series::E12) << 1.2 << 30.0 << any << std::vector<double>{} << 0.0 << -1;
    QTest::newRow("SWR 1,0001: none keeps it") << TipoCella::PassaBassoPiGreco << 7.0 << 7.2 << int(Series::E12) << 1.0001 << 40.0 << std::optional(5) << std::vector<double>{} << 0.0 << int(Shortfall::Limit::Swr);
    // clang-format on
}

// Every row meets the job, as a fine sweep of its own finds; the rows run
// fewest elements first when the count is free, then most loss.
void TestLadderDesign::proposalRanksTheDesignsThatMeetTheJob() {
    QFETCH(TipoCella, kind);
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(int, series);
    QFETCH(double, maxSwr);
    QFETCH(double, minLoss);
    QFETCH(std::optional<int>, elements);
    QFETCH(std::vector<double>, first);
    QFETCH(double, firstLoss);
    QFETCH(int, shortfall);
    const Job job{.kind = kind,
                  .impedanceOhm = kZ,
                  .fromMHz = from,
                  .toMHz = to,
                  .maxSwr = maxSwr,
                  .minLossDb = minLoss,
                  .series = Series(series),
                  .elements = elements};
    const Proposal p = propose(job);
    if (shortfall >= 0) {
        QVERIFY(p.designs.empty());
        QVERIFY(p.shortfall);
        QCOMPARE(int(p.shortfall->limit), shortfall);
        if (p.shortfall->limit == Shortfall::Limit::Loss)
            QVERIFY2(std::abs(p.shortfall->best - firstLoss) < 0.01, QByteArray::number(p.shortfall->best));
        else
            QVERIFY(p.shortfall->best > maxSwr);
        return;
    }
    QVERIFY(!p.designs.empty());
    if (!first.empty()) {
        QCOMPARE(p.designs[0].capacitorsPf, first);
        QVERIFY2(std::abs(p.designs[0].loss2Db - firstLoss) < 0.01, QByteArray::number(p.designs[0].loss2Db));
    }
    const bool low = passaBasso(kind);
    for (std::size_t i = 0; i < p.designs.size(); ++i) {
        const ProposedDesign& d = p.designs[i];
        // Swept here ten times finer than the proposal's own sweep, the row
        // keeps its SWR and gives its loss.
        double worst = 1;
        for (int k = 0; k <= 20000; ++k) {
            const double f =
                low ? to * k / 20000.0 + 1e-6 : 1 / (1 / from - (1 / from - 1 / (100 * from)) * k / 20000.0);
            worst = std::max(worst, analyse(d.ladder, f)->swr);
        }
        QVERIFY2(worst <= maxSwr * (1 + 1e-6), QByteArray::number(worst));
        QVERIFY(std::abs(d.highestSwr - worst) < 1e-4);
        const double h2 = low ? 2 * from : from / 2;
        QVERIFY(std::abs(analyse(d.ladder, h2)->insertionLossDb - d.loss2Db) < 1e-9);
        QVERIFY(d.loss2Db >= minLoss);
        for (const LadderElement& e : d.ladder.elements)
            if (e.part == LadderElement::Part::Capacitor) QVERIFY(nearestStandard(Series(series), e.value) == e.value);
        if (i == 0) continue;
        const ProposedDesign& before = p.designs[i - 1];
        if (!elements && before.elements != d.elements)
            QVERIFY(before.elements < d.elements);
        else
            QVERIFY(before.loss2Db >= d.loss2Db);
    }
}

void TestLadderDesign::partStressByHand_data() {
    QTest::addColumn<double>("power");
    QTest::addColumn<double>("z");
    QTest::addColumn<double>("loadSwr");
    // Far below the cut-off the cell is a wire: the output capacitor sees
    // the load's peak voltage sqrt(2 P Z), the coil carries sqrt(P / Z); a
    // load of SWR S at its worst phase raises the voltage by 2S/(S+1) and
    // the current by the same.
    // clang-format off
    QTest::newRow("100 W, 50 ohm") << 100.0 << 50.0 << 1.0;
    QTest::newRow("100 W, 50 ohm, SWR 2") << 100.0 << 50.0 << 2.0;
    QTest::newRow("1500 W, 75 ohm, SWR 3") << 1500.0 << 75.0 << 3.0;
    QTest::newRow("5 W, 600 ohm") << 5.0 << 600.0 << 1.0;
    // clang-format on
}

void TestLadderDesign::partStressByHand() {
    QFETCH(double, power);
    QFETCH(double, z);
    QFETCH(double, loadSwr);
    const Ladder cell = *synthesize(TipoCella::PassaBassoPiGreco, butterworthPrototype(3), 7, z);
    const auto s = partStress(cell, 0.007, power, loadSwr);
    QVERIFY(s && s->size() == 3);
    const double v = std::sqrt(2 * power * z);
    const double i = std::sqrt(power / z);
    const double rise = 2 * loadSwr / (loadSwr + 1);
    for (std::size_t k : {0, 2}) {
        QVERIFY2(near((*s)[k].matched, v, 1e-5), QByteArray::number((*s)[k].matched));
        QVERIFY2(near((*s)[k].worst, v * rise, 1e-5), QByteArray::number((*s)[k].worst));
    }
    QVERIFY(near((*s)[1].matched, i, 1e-5));
    QVERIFY(near((*s)[1].worst, i * rise, 1e-5));
    // Nothing to say without power, for a load SWR under 1 or past what the
    // arithmetic holds; a huge power still gives finite figures.
    QVERIFY(!partStress(cell, 7, 0, 2));
    QVERIFY(!partStress(cell, 7, 100, 0.5));
    const auto huge = partStress(cell, 7, 1e9, 2);
    QVERIFY(huge && std::isfinite((*huge)[0].worst));
    // At the cut-off the input capacitor's worst phase of the load lies
    // past the half circle: the whole circle is walked (over half of it the
    // 7 MHz cell's C1 would read 164,88 V).
    const auto atCutoff =
        partStress(*synthesize(TipoCella::PassaBassoPiGreco, butterworthPrototype(3), 7, 50), 7, 100, 2);
    QVERIFY(atCutoff);
    QVERIFY2(near((*atCutoff)[0].worst, 172.05, 1e-4), QByteArray::number((*atCutoff)[0].worst));
}

void TestLadderDesign::capacitorRatings_data() {
    QTest::addColumn<double>("peak");
    QTest::addColumn<double>("rating");  // 0: none
    // clang-format off
    QTest::newRow("100 V") << 100.0 << 200.0;
    QTest::newRow("133 V") << 133.3 << 300.0;
    QTest::newRow("just over 250 V") << 250.1 << 630.0;
    QTest::newRow("7,5 kV") << 7500.0 << 15000.0;
    QTest::newRow("beyond") << 7500.1 << 0.0;
    // clang-format on
}

void TestLadderDesign::capacitorRatings() {
    QFETCH(double, peak);
    QFETCH(double, rating);
    const auto r = capacitorRatingV(peak);
    QCOMPARE(r.value_or(0), rating);
}

void TestLadderDesign::thickestWire_data() {
    QTest::addColumn<QString>("core");
    QTest::addColumn<int>("turns");
    QTest::addColumn<QString>("wire");  // empty: none takes them
    // clang-format off
    QTest::newRow("T50/2, 22 turns") << "T50/2" << 22 << "0,80";
    QTest::newRow("T50/6, 23 turns") << "T50/6" << 23 << "0,60";
    QTest::newRow("T37/2, 3 turns") << "T37/2" << 3 << "2,0";
    QTest::newRow("T200/2, 440 turns") << "T200/2" << 440 << "0,20";
    QTest::newRow("T50/2, 104 turns") << "T50/2" << 104 << "";
    QTest::newRow("no such size") << "T51/2" << 10 << "";
    // clang-format on
}

void TestLadderDesign::thickestWire() {
    QFETCH(QString, core);
    QFETCH(int, turns);
    QFETCH(QString, wire);
    const auto w = ombrana::thickestWire(core.toStdString(), turns);
    QCOMPARE(w ? QString::fromLatin1(w->data(), qsizetype(w->size())) : QString(), wire);
}

QTEST_GUILESS_MAIN(TestLadderDesign)
#include "tst_ladderdesign.moc"
