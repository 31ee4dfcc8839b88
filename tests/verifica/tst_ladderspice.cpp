// The ladder analysis and the part stress held against a circuit
// simulator's AC analysis of the same ladders.
#include "verifica/core/LadderAnalysis.h"
#include "verifica/core/PartStress.h"
#include "verifica/core/Prototype.h"
#include "verifica/core/StandardDesign.h"
#include "verifica/core/Synthesis.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

using namespace ombrana;

Q_DECLARE_METATYPE(ombrana::Ladder)

namespace {

constexpr double kZ = 50;

// One circuit: a generator of EMF emf behind Z, the ladder, a load of Z;
// a 0 V source in series with each element measures its current. Each
// frequency sets the coils' loss resistance ωL/Q, then prints the output
// level, the input voltage and every element's voltage and current.
QString netlist(const Ladder& ladder, const QList<double>& frequenciesMHz, double emf) {
    QString net = QStringLiteral("ladder\nV1 src 0 AC %1\nR1 src n0 %2\n").arg(emf, 0, 'g', 17).arg(kZ);
    QString node = QStringLiteral("n0");
    QStringList prints;
    int next = 1;
    for (std::size_t i = 0; i < ladder.elements.size(); ++i) {
        const LadderElement& e = ladder.elements[i];
        const bool series = e.placement == LadderElement::Placement::Series;
        const QString to = series ? QStringLiteral("n%1").arg(next++) : QStringLiteral("0");
        const QString sense = QStringLiteral("s%1").arg(i);
        // A lossy coil's resistance is set for each frequency below.
        QString part;
        if (e.part == LadderElement::Part::Capacitor)
            part = QStringLiteral("C%1 %2 %3 %4p\n").arg(i).arg(sense, to).arg(e.value, 0, 'g', 17);
        else if (!e.q)
            part = QStringLiteral("L%1 %2 %3 %4u\n").arg(i).arg(sense, to).arg(e.value, 0, 'g', 17);
        else
            part = QStringLiteral("L%1 %2 m%1 %3u\nRL%1 m%1 %4 1\n").arg(i).arg(sense).arg(e.value, 0, 'g', 17).arg(to);
        net += QStringLiteral("VS%1 %2 %3 0\n").arg(i).arg(node, sense) + part;
        prints << (series ? QStringLiteral("vm(%1,%2)").arg(sense, to) : QStringLiteral("vm(%1)").arg(sense))
               << QStringLiteral("mag(i(vs%1))").arg(i);
        if (series) node = to;
    }
    net += QStringLiteral("R2 %1 0 %2\n.control\nset numdgt=15\n").arg(node).arg(kZ);
    for (double f : frequenciesMHz) {
        const double w = 2 * std::numbers::pi * f;
        for (std::size_t i = 0; i < ladder.elements.size(); ++i) {
            const LadderElement& e = ladder.elements[i];
            if (e.part == LadderElement::Part::Inductor && e.q)
                net += QStringLiteral("alter rl%1 = %2\n").arg(i).arg(w * e.value / *e.q, 0, 'g', 17);
        }
        net += QStringLiteral("ac lin 1 %1 %1\nprint vdb(%2) vr(n0) vi(n0) %3\n")
                   .arg(f * 1e6, 0, 'g', 17)
                   .arg(node, prints.join(QLatin1Char(' ')));
    }
    return net + QStringLiteral(".endc\n.end\n");
}

// The printed values of a batch run, in order.
QList<double> simulate(const QString& ngspice, const QString& circuit) {
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/ladderXXXXXX.cir"));
    if (!file.open()) return {};
    file.write(circuit.toUtf8());
    file.close();
    QProcess run;
    run.start(ngspice, {QStringLiteral("-b"), file.fileName()});
    if (!run.waitForFinished(60000)) return {};
    static const QRegularExpression value(QStringLiteral("^\\S+ = (\\S+)$"), QRegularExpression::MultilineOption);
    QList<double> out;
    for (const auto& m : value.globalMatch(QString::fromUtf8(run.readAllStandardOutput())))
        out << m.captured(1).toDouble();
    return out;
}

Ladder chebyshev(TipoCella kind, int n, double rippleSwr, double cutoff, std::optional<double> q = {}) {
    Ladder l = *synthesize(kind, chebyshevPrototype(n, rippleSwr), cutoff, kZ);
    for (LadderElement& e : l.elements)
        if (e.part == LadderElement::Part::Inductor) e.q = q;
    return l;
}

}  // namespace

class TestLadderSpice : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        m_ngspice = QStandardPaths::findExecutable(QStringLiteral("ngspice"));
        if (m_ngspice.isEmpty()) QSKIP("ngspice is not installed");
    }
    void agreesWithTheSimulator_data();
    void agreesWithTheSimulator();

private:
    QString m_ngspice;
};

void TestLadderSpice::agreesWithTheSimulator_data() {
    QTest::addColumn<Ladder>("ladder");
    QTest::addColumn<double>("cutoff");
    const Ladder solved = solveFromCapacitors(TipoCella::PassaBassoPiGreco, 9, {330, 750}, 1.2, kZ).design->ladder;
    // clang-format off
    QTest::newRow("low-pass pi 3, Butterworth") << *synthesize(TipoCella::PassaBassoPiGreco, butterworthPrototype(3), 7, kZ) << 7.0;
    QTest::newRow("low-pass pi 7, 270/680 pF") << solveFromCapacitors(TipoCella::PassaBassoPiGreco, 7, {270, 680}, 1.2, kZ).design->ladder << 7.362;
    QTest::newRow("low-pass pi 9, third at 820 pF") << atStandardCapacitors(solved, Series::E12) << 7.2;
    QTest::newRow("low-pass T 5, Q 80") << chebyshev(TipoCella::PassaBassoT, 5, 1.1, 14, 80.0) << 14.0;
    QTest::newRow("high-pass pi 7, Q 50") << chebyshev(TipoCella::PassaAltoPiGreco, 7, 1.2, 3.5, 50.0) << 3.5;
    QTest::newRow("high-pass T 9") << chebyshev(TipoCella::PassaAltoT, 9, 1.05, 50, {}) << 50.0;
    QTest::newRow("high-pass T 3, Butterworth") << *synthesize(TipoCella::PassaAltoT, butterworthPrototype(3), 1.8, kZ) << 1.8;
    // clang-format on
}

void TestLadderSpice::agreesWithTheSimulator() {
    QFETCH(Ladder, ladder);
    QFETCH(double, cutoff);
    const QList<double> ratios{0.1, 0.5, 0.9, 0.97, 1.0, 1.1, 1.5, 2.0, 3.0, 10.0};
    QList<double> frequencies;
    for (double r : ratios) frequencies << cutoff * r;
    // The -3 dB point last: the simulator must lose half the power there.
    // A low-pass ladder shunts its capacitors.
    const bool low = std::any_of(ladder.elements.begin(), ladder.elements.end(), [](const LadderElement& e) {
        return e.part == LadderElement::Part::Capacitor && e.placement == LadderElement::Placement::Shunt;
    });
    const auto f3 = frequencyAt3Db(ladder, low ? PassBand::Low : PassBand::High, cutoff / 100, cutoff * 100);
    QVERIFY(f3);
    frequencies << *f3;
    constexpr double kPower = 100;
    const double emf = std::sqrt(8 * kPower * kZ);  // peak: 100 W into a matched load
    const QList<double> values = simulate(m_ngspice, netlist(ladder, frequencies, emf));
    const std::size_t n = ladder.elements.size();
    const qsizetype perFrequency = 3 + 2 * qsizetype(n);
    QCOMPARE(values.size(), perFrequency * frequencies.size());

    for (qsizetype k = 0; k < frequencies.size(); ++k) {
        const double f = frequencies[k];
        const double* v = values.constData() + k * perFrequency;
        const auto r = analyse(ladder, f);
        QVERIFY(r);
        // The simulator's output against half the EMF, where a matched
        // load would be; its input voltage gives the reflection.
        const double lossDb = -(v[0] - 20 * std::log10(emf / 2));
        const std::complex<double> gamma = 2.0 * std::complex<double>(v[1], v[2]) / emf - 1.0;
        const double rho = std::abs(gamma);
        const double swr = (1 + rho) / (1 - rho);
        const QByteArray at = QByteArray::number(f) + " MHz";
        QVERIFY2(std::abs(r->insertionLossDb - lossDb) < 1e-7 * std::max(1.0, lossDb), at + " loss");
        if (k == frequencies.size() - 1)
            QVERIFY2(std::abs(lossDb - 10 * std::log10(2.0)) < 1e-6, at + " is not the half-power point");
        // Deep in the stop band nearly all is reflected and the SWR's digits
        // mean nothing: the reflection is compared there.
        QVERIFY2(std::abs(std::sqrt(r->s11Squared) - rho) < 1e-9, at + " reflection");
        if (rho < 0.98) QVERIFY2(std::abs(r->swr - swr) < 1e-7 * swr, at + " SWR");

        // Every capacitor's peak voltage and every inductor's current, for
        // 100 W into a matched load.
        const auto stress = partStress(ladder, f, kPower, 1);
        QVERIFY(stress);
        for (std::size_t i = 0; i < n; ++i) {
            const bool capacitor = ladder.elements[i].part == LadderElement::Part::Capacitor;
            const double spice = capacitor ? v[3 + 2 * i] : v[4 + 2 * i] / std::numbers::sqrt2;
            const double ours = (*stress)[i].matched;
            QVERIFY2(std::abs(ours - spice) <= 1e-7 * std::max(spice, 1e-3), at + " element " + QByteArray::number(i));
            QCOMPARE((*stress)[i].worst, ours);
        }
    }
}

QTEST_GUILESS_MAIN(TestLadderSpice)
#include "tst_ladderspice.moc"
