#include "toroids/core/CalcoloSpire.h"
#include "toroids/core/CatalogoToroidi.h"

#include <QTest>

using namespace ombrana;
using Azione = EsitoSpire::Azione;

using Conto = ContoSpire::Esito;

Q_DECLARE_METATYPE(EsitoSpire::Azione)
Q_DECLARE_METATYPE(ContoSpire::Esito)
Q_DECLARE_METATYPE(std::optional<double>)

class TestCalcoloSpire : public QObject {
    Q_OBJECT
private slots:
    void turns_data();
    void turns();
    void zeroWithEveryCore_data();
    void zeroWithEveryCore();
    void rememberedCore_data();
    void rememberedCore();
    void rounding_data();
    void rounding();
    void numericTurns_data();
    void numericTurns();
};

void TestCalcoloSpire::turns_data() {
    QTest::addColumn<QString>("picker");
    QTest::addColumn<QString>("induttanza");
    QTest::addColumn<QString>("ricordato");
    QTest::addColumn<Azione>("azione");
    QTest::addColumn<QString>("risultato");

    // clang-format off
    QTest::newRow("T37/2 10") << "T37/2" << "10" << "" << Azione::Risultato << "50";
    QTest::newRow("T50/2 1") << "T50/2" << "1" << "" << Azione::Risultato << "14";
    QTest::newRow("T37/0 2 fractional AL") << "T37/0" << "2" << "" << Azione::Risultato << "64";
    QTest::newRow("T300/2 100") << "T300/2" << "100" << "" << Azione::Risultato << "94";
    QTest::newRow("T37/2 15,625 half to even") << "T37/2" << "15,625" << "" << Azione::Risultato << "62";
    QTest::newRow("T37/2 16,9 just below limit") << "T37/2" << "16,9" << "" << Azione::Risultato << "65";
    QTest::newRow("T37/2 17 above limit") << "T37/2" << "17" << "" << Azione::Allarme << "";
    QTest::newRow("T37/3 50,7 just above limit") << "T37/3" << "50,7" << "" << Azione::Allarme << "";
    QTest::newRow("T37/12 6") << "T37/12" << "6" << "" << Azione::Risultato << "63";
    QTest::newRow("T37/12 6,5 above limit") << "T37/12" << "6,5" << "" << Azione::Allarme << "";
    QTest::newRow("T184/2 2700 at limit") << "T184/2" << "2700" << "" << Azione::Risultato << "335";
    QTest::newRow("T184/2 2701") << "T184/2" << "2701" << "" << Azione::Allarme << "";
    QTest::newRow("T184/1 2800") << "T184/1" << "2800" << "" << Azione::Risultato << "237";
    QTest::newRow("T60/22 hand-typed 1000") << "T60/22" << "1000" << "" << Azione::Risultato << "392";
    QTest::newRow("T37/2 ,5") << "T37/2" << ",5" << "" << Azione::Risultato << "11";
    QTest::newRow("T94/0 40 fractional AL") << "T94/0" << "40" << "" << Azione::Risultato << "194";

    // Halfway cases where the precision of L / AL decides the rounding: a
    // whole AL divides in single precision, a fractional one in double.
    QTest::newRow("single quotient 0,025") << "T37/2" << "0,025" << "" << Azione::Risultato << "2";
    QTest::newRow("single quotient 1,521") << "T37/2" << "1,521" << "" << Azione::Risultato << "19";
    QTest::newRow("single quotient 3,969") << "T37/2" << "3,969" << "" << Azione::Risultato << "31";
    QTest::newRow("double quotient 89,97") << "T37/00" << "89,97" << "" << Azione::Risultato << "428";
    QTest::newRow("double quotient 136,863") << "T37/00" << "136,863" << "" << Azione::Risultato << "529";

    // Unreadable inductance: nothing at all happens, not even the limit check.
    QTest::newRow("empty inductance") << "T37/2" << "" << "" << Azione::Niente << "";
    QTest::newRow("lone comma") << "T37/2" << "," << "" << Azione::Niente << "";
    QTest::newRow("two commas") << "T37/2" << "1,2,3" << "" << Azione::Niente << "";
    QTest::newRow("decimal point") << "T37/2" << "1.5" << "" << Azione::Niente << "";
    QTest::newRow("pasted negative") << "T37/2" << "-10" << "" << Azione::Niente << "";
    QTest::newRow("pasted negative above limit") << "T37/2" << "-100" << "" << Azione::Niente << "";
    QTest::newRow("letters") << "T37/2" << "dieci" << "" << Azione::Niente << "";

    // No core with data: the result is emptied rather than shown as 0 turns.
    QTest::newRow("initial picker text") << "TOROIDI" << "10" << "" << Azione::Risultato << "";
    QTest::newRow("T60/3 without data") << "T60/3" << "10" << "" << Azione::Risultato << "";
    QTest::newRow("T184/10 without data") << "T184/10" << "10" << "" << Azione::Risultato << "";
    QTest::newRow("matches nothing") << "T999" << "10" << "" << Azione::Risultato << "";

    // Emptied picker: no AL, but the remembered core's limit still applies.
    QTest::newRow("empty picker within limit") << "" << "10" << "T37/2" << Azione::Risultato << "";
    QTest::newRow("empty picker above limit") << "" << "17" << "T37/2" << Azione::Allarme << "";
    QTest::newRow("empty picker, nothing remembered") << "" << "17" << "" << Azione::Risultato << "";
    // A typed picker text replaces the remembered name before the check.
    QTest::newRow("picker replaces remembered") << "T300/2" << "17" << "T37/2" << Azione::Risultato << "39";
    QTest::newRow("unlisted text drops old limit") << "T60/22" << "17" << "T37/2" << Azione::Risultato << "51";

    // Beyond 16 bits there is nothing to show.
    QTest::newRow("T60/22 huge") << "T60/22" << "1000000000" << "" << Azione::Risultato << "";
    QTest::newRow("T60/22 32767 turns") << "T60/22" << "6978900" << "" << Azione::Risultato << "32767";
    QTest::newRow("T60/22 32768 turns") << "T60/22" << "6979200" << "" << Azione::Risultato << "";
    // clang-format on
}

void TestCalcoloSpire::turns() {
    QFETCH(QString, picker);
    QFETCH(QString, induttanza);
    QFETCH(QString, ricordato);
    QFETCH(Azione, azione);
    QFETCH(QString, risultato);
    const EsitoSpire e = calcolaSpire(picker.toStdString(), induttanza.toStdString(), ricordato.toStdString());
    QCOMPARE(e.azione, azione);
    QCOMPARE(QString::fromStdString(e.risultato), risultato);
}

void TestCalcoloSpire::zeroWithEveryCore_data() {
    QTest::addColumn<QString>("sigla");
    for (std::string_view s : toroidiSelezionabili)
        QTest::newRow(std::string(s).c_str()) << QString::fromUtf8(s.data(), s.size());
}

void TestCalcoloSpire::zeroWithEveryCore() {
    QFETCH(QString, sigla);
    const EsitoSpire e = calcolaSpire(sigla.toStdString(), "0", "");
    QCOMPARE(e.azione, Azione::Risultato);
    QCOMPARE(QString::fromStdString(e.risultato), QStringLiteral("0"));
}

void TestCalcoloSpire::rememberedCore_data() {
    QTest::addColumn<QString>("picker");
    QTest::addColumn<QString>("induttanza");
    QTest::addColumn<bool>("scritto");
    QTest::addColumn<QString>("nome");

    // clang-format off
    QTest::newRow("listed core") << "T37/2" << "10" << true << "T37/2";
    QTest::newRow("stored also on alert") << "T37/2" << "100" << true << "T37/2";
    QTest::newRow("initial text stored") << "TOROIDI" << "10" << true << "TOROIDI";
    QTest::newRow("empty picker keeps old") << "" << "10" << false << "";
    QTest::newRow("unreadable inductance") << "T37/2" << "x" << false << "";
    // clang-format on
}

void TestCalcoloSpire::rememberedCore() {
    QFETCH(QString, picker);
    QFETCH(QString, induttanza);
    QFETCH(bool, scritto);
    QFETCH(QString, nome);
    const EsitoSpire e = calcolaSpire(picker.toStdString(), induttanza.toStdString(), "T50/2");
    QCOMPARE(e.nomeRicordato.has_value(), scritto);
    if (scritto) QCOMPARE(QString::fromStdString(*e.nomeRicordato), nome);
}

void TestCalcoloSpire::rounding_data() {
    QTest::addColumn<double>("centesimi");
    QTest::addColumn<QString>("testo");
    // clang-format off
    QTest::newRow("62.5 to even") << 62.5 << "62";
    QTest::newRow("63.5 to even") << 63.5 << "64";
    QTest::newRow("0.5 to even") << 0.5 << "0";
    QTest::newRow("62.51 up") << 62.51 << "63";
    QTest::newRow("32767.4") << 32767.4 << "32767";
    QTest::newRow("32767.5 out of range") << 32767.5 << "";
    QTest::newRow("-32768") << -32768.0 << "-32768";
    QTest::newRow("-32769") << -32769.0 << "";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << "";
    // clang-format on
}

void TestCalcoloSpire::rounding() {
    QFETCH(double, centesimi);
    QFETCH(QString, testo);
    QCOMPARE(QString::fromStdString(scriviSpire(centesimi)), testo);
}

void TestCalcoloSpire::numericTurns_data() {
    QTest::addColumn<std::optional<double>>("al");
    QTest::addColumn<float>("induttanza");
    QTest::addColumn<std::optional<double>>("limite");
    QTest::addColumn<Conto>("esito");
    QTest::addColumn<int>("spire");

    const std::optional<double> none;
    // clang-format off
    // 100 x sqrt(L / AL) by hand.
    QTest::newRow("AL 4,9, 2 uH") << std::optional(4.9) << 2.0f << none << Conto::Spire << 64;
    QTest::newRow("62,5 turns to even") << std::optional(40.0) << 15.625f << none << Conto::Spire << 62;
    QTest::newRow("0 uH is 0 turns") << std::optional(40.0) << 0.0f << std::optional(16.9) << Conto::Spire << 0;
    // The single-precision reading of the limit's own figure lies below it
    // for 16.9, above it for 50.7; only strictly above refuses.
    QTest::newRow("16,9 at its limit") << std::optional(40.0) << 16.9f << std::optional(16.9) << Conto::Spire << 65;
    QTest::newRow("50,7 at its limit") << std::optional(120.0) << 50.7f << std::optional(50.7) << Conto::OltreLimite << 0;
    QTest::newRow("2700 at its limit") << std::optional(240.0) << 2700.0f << std::optional(2700.0) << Conto::Spire << 335;
    // The limit holds even where there is no AL to work with.
    QTest::newRow("over the limit, no AL") << none << 17.0f << std::optional(16.9) << Conto::OltreLimite << 0;
    QTest::newRow("over the limit, AL 0") << std::optional(0.0) << 17.0f << std::optional(16.9) << Conto::OltreLimite << 0;
    QTest::newRow("no AL") << none << 10.0f << none << Conto::Nessuna << 0;
    QTest::newRow("AL 0") << std::optional(0.0) << 10.0f << std::optional(16.9) << Conto::Nessuna << 0;
    // 16 bits: 100 x sqrt(6978900 / 65) = 32767.0, 6979200 gives 32767.7.
    QTest::newRow("32767 turns") << std::optional(65.0) << 6978900.0f << none << Conto::Spire << 32767;
    QTest::newRow("32768 turns") << std::optional(65.0) << 6979200.0f << none << Conto::Nessuna << 0;
    // clang-format on
}

void TestCalcoloSpire::numericTurns() {
    QFETCH(std::optional<double>, al);
    QFETCH(float, induttanza);
    QFETCH(std::optional<double>, limite);
    QFETCH(Conto, esito);
    QFETCH(int, spire);
    const ContoSpire conto = spireToroide(al, induttanza, limite);
    QCOMPARE(conto.esito, esito);
    QCOMPARE(conto.spire, spire);
}

QTEST_GUILESS_MAIN(TestCalcoloSpire)
#include "tst_calcolospire.moc"
