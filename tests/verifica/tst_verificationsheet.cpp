// The plot and the build sheet made from a verification, without a window.
#include "tests/verifica/SevenMegahertzCell.h"
#include "verifica/VerificationPlot.h"
#include "verifica/VerificationSheet.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace ombrana;

Q_DECLARE_METATYPE(ombrana::TipoCella)

namespace {

QStringList labelsOf(const PlotData& plot) {
    QStringList out;
    for (const PlotMarker& m : plot.markers) out << m.label + '@' + QString::number(m.frequencyMHz);
    return out;
}

}  // namespace

class TestVerificationSheet : public QObject {
    Q_OBJECT
private slots:
    void plotSpansTwoDecadesAroundTheCutoff_data();
    void plotSpansTwoDecadesAroundTheCutoff();
    void plotWithoutABuiltLadderHasOneCurve();
    void sheetSaysWhatTheWindowSays();
};

void TestVerificationSheet::plotSpansTwoDecadesAroundTheCutoff_data() {
    QTest::addColumn<TipoCella>("kind");
    QTest::addColumn<double>("operating");
    QTest::addColumn<QStringList>("markers");
    // clang-format off
    QTest::newRow("low-pass at 6,3 MHz") << TipoCella::PassaBassoPiGreco << 6.3 << QStringList{"f@6.3", "2f@12.6", "3f@18.9"};
    QTest::newRow("high-pass at 7,7 MHz") << TipoCella::PassaAltoT << 7.7 << QStringList{"f@7.7", "f/2@3.85", "f/3@" + QString::number(7.7 / 3)};
    QTest::newRow("no markers out of range") << TipoCella::PassaBassoT << 2000.0 << QStringList{};
    // clang-format on
}

// From a tenth to ten times the cut-off, both curves over it, the operating
// frequency and its harmonics marked.
void TestVerificationSheet::plotSpansTwoDecadesAroundTheCutoff() {
    QFETCH(TipoCella, kind);
    QFETCH(double, operating);
    QFETCH(QStringList, markers);
    const VerificationInput in = test::sevenMegahertzCell(kind, operating);
    const VerificationResult r = verify(in);
    QVERIFY(r.designed && r.built);
    const PlotData plot = verificationPlot(in, r, responseCurve(*r.designed, r.built, 7));
    QVERIFY(std::abs(plot.fromMHz - 0.7) < 1e-12);
    QVERIFY(std::abs(plot.toMHz - 70) < 1e-12);
    QCOMPARE(plot.curves.size(), std::size_t(2));
    QCOMPARE(plot.curves[0].label, QStringLiteral("Progetto"));
    QCOMPARE(plot.curves[1].label, QStringLiteral("Costruito"));
    for (const PlotCurve& c : plot.curves) {
        QCOMPARE(c.points.size(), std::size_t(kResponsePoints));
        QVERIFY(std::abs(c.points.front().x() - 0.7) < 1e-12 && std::abs(c.points.back().x() - 70) < 1e-9);
    }
    QCOMPARE(labelsOf(plot), markers);
}

void TestVerificationSheet::plotWithoutABuiltLadderHasOneCurve() {
    VerificationInput in = test::sevenMegahertzCell(TipoCella::PassaBassoPiGreco, 6.3);
    in.builtCapacitorPf.reset();
    const VerificationResult r = verify(in);
    QVERIFY(r.designed && !r.built);
    const PlotData plot = verificationPlot(in, r, responseCurve(*r.designed, r.built, 7));
    QCOMPARE(plot.curves.size(), std::size_t(1));
    QCOMPARE(plot.curves[0].label, QStringLiteral("Progetto"));
}

// The sheet carries the window's texts: the values under the drawing, what
// the figures come from, each part, the notes, every figure.
void TestVerificationSheet::sheetSaysWhatTheWindowSays() {
    VerificationInput in = test::sevenMegahertzCell(TipoCella::PassaBassoPiGreco, 7.2);
    in.band = kAmateurBands[3];
    in.design = {.response = Response::Chebyshev, .elements = 7, .series = Series::E12};
    in.builtCapacitorPf = 270;
    in.builtCapacitor2Pf = 680;
    const VerificationResult r = verify(in);
    const VerificationText t = verificationText(in, r);
    const BuildSheet sheet = verificationSheet(QStringLiteral("VERIFICA"), in, t, PlotData{.fromMHz = 1});
    QCOMPARE(sheet.title, QStringLiteral("VERIFICA"));
    QCOMPARE(sheet.shape.size(), std::size_t(7));
    QCOMPARE(sheet.builtC1, QStringLiteral("C1 = 270 pF   C2 = 680 pF"));
    QVERIFY(sheet.builtL1.startsWith(QStringLiteral("L1 = ")));
    QCOMPARE(sheet.design.size(), 5);
    QCOMPARE(sheet.design[0], QStringLiteral("F (taglio) = 7 MHz, Z = 50 Ohm"));
    QVERIFY(sheet.design[1].startsWith(QStringLiteral("Progetto: Chebyshev 7 elementi")));
    QCOMPARE(sheet.design[2], QStringLiteral("Banda: 40 m;  frequenza di lavoro = 7,2 MHz"));
    QCOMPARE(sheet.design[3], QStringLiteral("Q delle bobine: ideali"));
    QCOMPARE(sheet.design[4], QStringLiteral("Potenza = 100 W, ROS del carico = 2"));
    QCOMPARE(sheet.parts.size(), t.parts.size());
    QCOMPARE(sheet.parts.size(), std::size_t(4));  // C1, C2, L1, L2
    for (std::size_t i = 0; i < sheet.parts.size(); ++i) {
        QCOMPARE(sheet.parts[i].value, QString::fromStdString(t.parts[i].value));
        QVERIFY(!sheet.parts[i].stress.isEmpty());
    }
    QCOMPARE(sheet.parts[0].making, QStringLiteral("acquistato"));
    // Each winding is in the notes, named.
    QVERIFY(std::any_of(sheet.notes.begin(), sheet.notes.end(),
                        [](const QString& n) { return n.startsWith(QStringLiteral("L1: Toroide T50/2")); }));
    // The parts list first, as the window lists it, then the warnings.
    const std::vector<std::string> partsList = t.partsList();
    QCOMPARE(sheet.notes.first(), QString::fromStdString(t.mounting));
    QCOMPARE(sheet.notes.size(), qsizetype(partsList.size() + t.warnings.size()));
    QCOMPARE(sheet.losses.size(), std::size_t(5));
    QCOMPARE(sheet.losses[0].caption, QStringLiteral("Frequenza a -3 dB  MHz"));
    QCOMPARE(sheet.losses[2].built, QString::fromStdString(t.figures[2].built));
    QCOMPARE(sheet.plot.fromMHz, 1.0);
    // A warning goes on the sheet: 35 MHz is past mix 2's 30.
    in.operatingMHz = 35;
    const BuildSheet far = verificationSheet({}, in, verificationText(in, verify(in)), {});
    QVERIFY(far.notes.contains(
        QString::fromUtf8("La frequenza di lavoro \u00e8 fuori dalla gamma della miscela del nucleo.")));
    // Without a band the sheet says so.
    in.band.reset();
    QVERIFY(verificationSheet(QString(), in, t, {}).design[2].startsWith(QStringLiteral("Banda: Nessuna;")));
}

QTEST_GUILESS_MAIN(TestVerificationSheet)
#include "tst_verificationsheet.moc"
