#include "inductors/core/AirCoil.h"
#include "inductors/core/InductanceCalculation.h"

#include <QTest>

using namespace ombrana;

Q_DECLARE_METATYPE(EsitoInduttanza::Azione)
Q_DECLARE_METATYPE(EsitoBobinaAria::Campo)

namespace {

EsitoInduttanza calcola(double k, const QString& c, const QString& f) {
    return calcolaInduttanza(k, c.toStdString(), f.toStdString());
}

double numero(const std::string& text) {
    return QString::fromStdString(text).replace(',', '.').toDouble();
}

}  // namespace

class TestInductorCalculations : public QObject {
    Q_OBJECT
private slots:
    void inductance_data();
    void inductance();
    void ratioBetweenWindows_data();
    void ratioBetweenWindows();
    void airCoil_data();
    void airCoil();
};

void TestInductorCalculations::inductance_data() {
    // clang-format off
    QTest::addColumn<double>("k");  // of the low-pass or the high-pass window
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("f");
    QTest::addColumn<EsitoInduttanza::Azione>("azione");
    QTest::addColumn<QString>("testo");

    constexpr double low = kCostanteInduttanza2;
    constexpr double high = kCostanteInduttanza;
    constexpr auto mostra = EsitoInduttanza::Azione::MostraRisultato;
    constexpr auto svuota = EsitoInduttanza::Azione::SvuotaRisultato;
    constexpr auto allarme = EsitoInduttanza::Azione::Allarme;

    // Worked examples: truncated, never rounded up (10.3389 and 2.5847).
    QTest::newRow("low C100 f7") << low << "100" << "7" << mostra << "10,33";
    QTest::newRow("high C100 f7") << high << "100" << "7" << mostra << "2,58";
    QTest::newRow("low C220 f1,8") << low << "220" << "1,8" << mostra << "71,07";
    QTest::newRow("high C220 f1,8") << high << "220" << "1,8" << mostra << "17,76";
    QTest::newRow("low C390 f7") << low << "390" << "7" << mostra << "2,65";
    QTest::newRow("high C47 f14,2") << high << "47" << "14,2" << mostra << "1,33";
    QTest::newRow("low C,5 f1") << low << ",5" << "1" << mostra << "101321,25";

    // The limit of 300 MHz: exactly 300 computes, below 0,01 uH shows 0.
    QTest::newRow("low 300 tiny") << low << "100" << "300" << mostra << "0";
    QTest::newRow("high 300 tiny") << high << "100" << "300" << mostra << "0";
    QTest::newRow("low C1 f300") << low << "1" << "300" << mostra << "0,56";
    QTest::newRow("high C1 f300") << high << "1" << "300" << mostra << "0,14";
    QTest::newRow("high 300,0") << high << "1" << "300,0" << mostra << "0,14";
    QTest::newRow("low 300,01") << low << "100" << "300,01" << allarme << "";
    QTest::newRow("high 300,01") << high << "100" << "300,01" << allarme << "";
    QTest::newRow("high 301") << high << "100" << "301" << allarme << "";
    QTest::newRow("high 1000000") << high << "100" << "1000000" << allarme << "";
    // The frequency is judged before the capacitance is read.
    QTest::newRow("over 300 empty C") << high << "" << "400" << allarme << "";
    QTest::newRow("over 300 bad C") << low << "," << "400" << allarme << "";

    // Empty frequency: result emptied, no alert, whatever the capacitance.
    QTest::newRow("empty f") << high << "100" << "" << svuota << "";
    QTest::newRow("empty f bad C") << low << "1,2,3" << "" << svuota << "";
    QTest::newRow("both empty") << low << "" << "" << svuota << "";

    // An unreadable frequency raises the alert.
    QTest::newRow("f lone comma") << high << "100" << "," << allarme << "";
    QTest::newRow("f two commas") << low << "100" << "1,2,3" << allarme << "";
    QTest::newRow("f letters") << low << "100" << "abc" << allarme << "";
    QTest::newRow("f lone minus") << high << "100" << "-" << allarme << "";
    QTest::newRow("f blank inside") << high << "100" << "7 1" << allarme << "";

    // A negative frequency is not a number but no alert either.
    QTest::newRow("f negative") << high << "100" << "-7" << svuota << "";
    QTest::newRow("f negative over 300") << low << "100" << "-400" << svuota << "";
    QTest::newRow("f negative decimal") << low << "100" << "-0,5" << svuota << "";

    // What would divide by zero empties the result rather than show 0.
    QTest::newRow("f zero") << high << "100" << "0" << svuota << "";
    QTest::newRow("f zero comma") << low << "100" << "0,0" << svuota << "";
    QTest::newRow("C empty") << low << "" << "7" << svuota << "";
    QTest::newRow("C lone comma") << high << "," << "7" << svuota << "";
    QTest::newRow("C two commas") << high << "1,0,0" << "7" << svuota << "";
    QTest::newRow("C zero") << low << "0" << "7" << svuota << "";
    QTest::newRow("C negative") << low << "-100" << "7" << svuota << "";
    // clang-format on
}

void TestInductorCalculations::inductance() {
    QFETCH(double, k);
    QFETCH(QString, c);
    QFETCH(QString, f);
    QFETCH(EsitoInduttanza::Azione, azione);
    QFETCH(QString, testo);

    const EsitoInduttanza esito = calcola(k, c, f);
    QCOMPARE(esito.azione, azione);
    QCOMPARE(QString::fromStdString(esito.testo), testo);
}

void TestInductorCalculations::ratioBetweenWindows_data() {
    // clang-format off
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("f");
    QTest::newRow("C1 f1") << "1" << "1";
    QTest::newRow("C2 f0,5") << "2" << "0,5";
    QTest::newRow("C0,1 f1,5") << "0,1" << "1,5";
    // clang-format on
}

// The low-pass window gives about four times the inductance of the
// high-pass one for the same inputs: (159.155 / 79.577)^2 = 4.00005.
void TestInductorCalculations::ratioBetweenWindows() {
    QFETCH(QString, c);
    QFETCH(QString, f);
    const EsitoInduttanza basso = calcola(kCostanteInduttanza2, c, f);
    const EsitoInduttanza alto = calcola(kCostanteInduttanza, c, f);
    QCOMPARE(basso.azione, EsitoInduttanza::Azione::MostraRisultato);
    QCOMPARE(alto.azione, EsitoInduttanza::Azione::MostraRisultato);
    const double rapporto = numero(basso.testo) / numero(alto.testo);
    QVERIFY2(std::abs(rapporto - 4.00005) < 1e-4, qPrintable(QString::number(rapporto, 'g', 10)));
}

void TestInductorCalculations::airCoil_data() {
    // clang-format off
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("n");
    QTest::addColumn<QString>("l");
    QTest::addColumn<EsitoBobinaAria::Campo>("campo");
    QTest::addColumn<QString>("risultato");

    using Campo = EsitoBobinaAria::Campo;
    constexpr auto nessuno = Campo::Nessuno;

    // Worked examples, truncated: 1.6404, 1.6069, 2.2146, 213.749.
    QTest::newRow("D20 N10 l15") << "20" << "10" << "15" << nessuno << "1,64";
    QTest::newRow("D10 N20 l20") << "10" << "20" << "20" << nessuno << "1,6";
    QTest::newRow("D12,5 N15 l10") << "12,5" << "15" << "10" << nessuno << "2,21";
    QTest::newRow("D999 N10 l10") << "999" << "10" << "10" << nessuno << "213,74";
    QTest::newRow("fractional turns") << "20" << "7,5" << "15" << nessuno << "0,92";
    QTest::newRow("below 0,01") << "0,5" << "1" << "0,1" << nessuno << "0";
    // Single precision shows in the figures: 6 turns on half an inch without
    // length give 1 uH, but 12,7 mm reads a little short. Inputs read in
    // double would give 1 and 3,01; the arithmetic in single precision 4,61.
    QTest::newRow("D12,7 read short") << "12,7" << "6" << "0" << nessuno << "0,99";
    QTest::newRow("D12,1 N30 l37,5") << "12,1" << "30" << "37,5" << nessuno << "3,02";
    QTest::newRow("D10,1 N24 l8") << "10,1" << "24" << "8" << nessuno << "4,6";
    // A coil of zero length: L = r N^2 / 9 in inches.
    QTest::newRow("length 0") << "20" << "10" << "0" << nessuno << "4,37";
    QTest::newRow("length empty") << "20" << "10" << "" << nessuno << "4,37";
    QTest::newRow("length unreadable") << "20" << "10" << "," << nessuno << "4,37";
    // A real zero inductance still shows 0.
    QTest::newRow("diameter 0") << "0" << "10" << "10" << nessuno << "0";
    QTest::newRow("turns 0") << "20" << "0" << "10" << nessuno << "0";
    QTest::newRow("turns empty") << "20" << "" << "10" << nessuno << "0";
    QTest::newRow("turns unreadable") << "20" << "1,2,3" << "10" << nessuno << "0";

    // Just inside the limits.
    QTest::newRow("D999,9") << "999,9" << "10" << "10" << nessuno << "213,94";
    QTest::newRow("N499") << "20" << "499" << "10" << nessuno << "5159,57";
    QTest::newRow("l499,9") << "20" << "10" << "499,9" << nessuno << "0,07";

    // The limits, checked silently in the order radius, turns, length.
    QTest::newRow("D1000") << "1000" << "10" << "10" << Campo::Diametro << "";
    QTest::newRow("D1000 N600") << "1000" << "600" << "10" << Campo::Diametro << "";
    QTest::newRow("D1000 l600") << "1000" << "10" << "600" << Campo::Diametro << "";
    QTest::newRow("N500") << "20" << "500" << "10" << Campo::Spire << "";
    QTest::newRow("N500 l500") << "20" << "500" << "500" << Campo::Spire << "";
    QTest::newRow("l500") << "20" << "10" << "500" << Campo::Lunghezza << "";
    // The radius, not the diameter, meets the limit: D = 600 is fine.
    QTest::newRow("D600") << "600" << "1" << "10" << nessuno << "1,26";
    // Read in single precision: these round up to the limit itself.
    QTest::newRow("D single precision") << "999,99999" << "10" << "10" << Campo::Diametro << "";
    QTest::newRow("N single precision") << "20" << "499,99999" << "10" << Campo::Spire << "";

    // Nothing to divide by: diameter and length both 0 or empty.
    QTest::newRow("all empty") << "" << "" << "" << nessuno << "";
    QTest::newRow("D0 l0") << "0" << "10" << "0" << nessuno << "";
    QTest::newRow("D comma l empty") << "," << "10" << "" << nessuno << "";

    // A pasted negative number empties the result; the limits still come first.
    QTest::newRow("D negative") << "-20" << "10" << "15" << nessuno << "";
    QTest::newRow("N negative") << "20" << "-10" << "15" << nessuno << "";
    QTest::newRow("l negative") << "20" << "10" << "-15" << nessuno << "";
    QTest::newRow("D negative N600") << "-20" << "600" << "15" << Campo::Spire << "";
    // clang-format on
}

void TestInductorCalculations::airCoil() {
    QFETCH(QString, d);
    QFETCH(QString, n);
    QFETCH(QString, l);
    QFETCH(EsitoBobinaAria::Campo, campo);
    QFETCH(QString, risultato);

    const EsitoBobinaAria esito = calcolaBobinaAria(d.toStdString(), n.toStdString(), l.toStdString());
    QCOMPARE(esito.svuota, campo);
    QCOMPARE(QString::fromStdString(esito.risultato), risultato);
}

QTEST_GUILESS_MAIN(TestInductorCalculations)
#include "tst_inductorcalculations.moc"
