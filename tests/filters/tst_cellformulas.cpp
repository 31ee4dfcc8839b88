#include "filters/core/FilterCalculation.h"

#include <QTest>

using namespace ombrana;

Q_DECLARE_METATYPE(ombrana::TipoCella)

namespace {
const TipoCella kPBpig = TipoCella::PassaBassoPiGreco;
const TipoCella kPApig = TipoCella::PassaAltoPiGreco;
const TipoCella kPBaT = TipoCella::PassaBassoT;
const TipoCella kPAaT = TipoCella::PassaAltoT;
}  // namespace

class TestCellFormulas : public QObject {
    Q_OBJECT
private slots:
    void values_data();
    void values();
    void outcomes_data();
    void outcomes();
    void twinCellsShareValues();
};

void TestCellFormulas::values_data() {
    QTest::addColumn<TipoCella>("tipo");
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("z");
    QTest::addColumn<QString>("c1");
    QTest::addColumn<QString>("l1");
    struct Row {
        const char* f;
        const char* z;
        const char* values[4][2];
    };
    // The worked values, one row per input pair, the four windows across.
    const Row rows[] = {
        {"7", "50", {{"454,7", "2,27"}, {"227,3", "1,13"}, {"909,4", "1,13"}, {"454,7", "0,56"}}},
        {"14", "50", {{"227,3", "1,13"}, {"113,6", "0,56"}, {"454,7", "0,56"}, {"227,3", "0,28"}}},
        {"1,8", "50", {{"1768,3", "8,83"}, {"884,1", "4,41"}, {"3536,7", "4,41"}, {"1768,3", "2,21"}}},
        {"300", "50", {{"10,6", "0,05"}, {"5,3", "0,02"}, {"21,2", "0,02"}, {"10,6", "0,01"}}},
        {"0,5", "600", {{"530,5", "381,6"}, {"265,2", "190,8"}, {"1061", "190,8"}, {"530,5", "95,52"}}},
    };
    const TipoCella tipi[4] = {kPBpig, kPApig, kPBaT, kPAaT};
    const char* nomi[4] = {"PassaBpig", "PassaApig", "PassaBaT", "PassaAltoaT"};
    for (const Row& r : rows)
        for (int i = 0; i < 4; ++i)
            QTest::addRow("%s F=%s Z=%s", nomi[i], r.f, r.z)
                << tipi[i] << r.f << r.z << r.values[i][0] << r.values[i][1];
    // Products that land just below a whole number are taken at 15 digits.
    // clang-format off
    QTest::newRow("PassaApig 15 digits") << kPApig << "5" << "450" << "35,3" << "14,31";
    QTest::newRow("PassaAltoaT 15 digits") << kPAaT << "1,8" << "450" << "196,4" << "19,9";
    QTest::newRow("PassaBpig 15 digits") << kPBpig << "30" << "450" << "11,7" << "4,77";
    QTest::newRow("inductance below 0,01") << kPAaT << "300" << "10" << "53" << "0";
    QTest::newRow("capacitance below 0,1") << kPBpig << "300" << "10000" << "0" << "10,6";
    // clang-format on
}

void TestCellFormulas::values() {
    QFETCH(TipoCella, tipo);
    QFETCH(QString, f);
    QFETCH(QString, z);
    QFETCH(QString, c1);
    QFETCH(QString, l1);
    const EsitoFiltro e = calcolaFiltro(tipo, f.toStdString(), z.toStdString());
    QCOMPARE(e.azione, EsitoFiltro::Azione::MostraRisultati);
    QCOMPARE(QString::fromStdString(e.c1), c1);
    QCOMPARE(QString::fromStdString(e.l1), l1);
}

void TestCellFormulas::outcomes_data() {
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("z");
    QTest::addColumn<int>("azione");
    const int svuota = int(EsitoFiltro::Azione::SvuotaRisultati);
    const int allarme = int(EsitoFiltro::Azione::Allarme);
    const int mostra = int(EsitoFiltro::Azione::MostraRisultati);
    // clang-format off
    QTest::newRow("300 computes") << "300" << "50" << mostra;
    QTest::newRow("300,01 alerts") << "300,01" << "50" << allarme;
    QTest::newRow("above 300 with empty impedance empties") << "301" << "" << svuota;
    QTest::newRow("empty frequency") << "" << "50" << svuota;
    QTest::newRow("lone comma frequency") << "," << "50" << svuota;
    QTest::newRow("1,2,3 frequency") << "1,2,3" << "50" << svuota;
    QTest::newRow("empty impedance") << "7" << "" << svuota;
    QTest::newRow("unreadable impedance") << "7" << "," << svuota;
    QTest::newRow("zero frequency empties") << "0" << "50" << svuota;
    QTest::newRow("zero impedance empties") << "7" << "0" << svuota;
    QTest::newRow("negative frequency empties") << "-7" << "50" << svuota;
    QTest::newRow("negative impedance empties") << "7" << "-50" << svuota;
    QTest::newRow("product underflows to zero") << "0," + QString(200, '0') + "1" << "0," + QString(200, '0') + "1" << svuota;
    QTest::newRow("capacitance overflows") << "0," + QString(305, '0') + "1" << "1" << svuota;
    QTest::newRow("unreadable impedance above 300 alerts") << "400" << "," << allarme;
    // clang-format on
}

void TestCellFormulas::outcomes() {
    QFETCH(QString, f);
    QFETCH(QString, z);
    QFETCH(int, azione);
    for (TipoCella tipo : {kPBpig, kPApig, kPBaT, kPAaT}) {
        const EsitoFiltro e = calcolaFiltro(tipo, f.toStdString(), z.toStdString());
        QCOMPARE(int(e.azione), azione);
        if (e.azione != EsitoFiltro::Azione::MostraRisultati) {
            QVERIFY(e.c1.empty());
            QVERIFY(e.l1.empty());
        }
    }
}

void TestCellFormulas::twinCellsShareValues() {
    // Low-pass pi and high-pass T share C1; high-pass pi and low-pass T share L1.
    const char* inputs[][2] = {{"7", "50"}, {"3,5", "75"}, {"144", "50"}, {"0,137", "300"}, {"29,7", "52"}};
    for (const auto& in : inputs) {
        const auto a = calcolaFiltro(kPBpig, in[0], in[1]);
        const auto b = calcolaFiltro(kPAaT, in[0], in[1]);
        const auto c = calcolaFiltro(kPApig, in[0], in[1]);
        const auto d = calcolaFiltro(kPBaT, in[0], in[1]);
        QCOMPARE(a.c1, b.c1);
        QCOMPARE(c.l1, d.l1);
    }
}

QTEST_GUILESS_MAIN(TestCellFormulas)
#include "tst_cellformulas.moc"
