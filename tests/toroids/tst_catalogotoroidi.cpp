#include "app/core/Truncation.h"
#include "toroids/core/CatalogoToroidi.h"
#include "toroids/core/TabelleToroidi.h"

#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

using namespace ombrana;

namespace {

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

const VoceToroide* voce(std::string_view sigla) {
    for (const VoceToroide& v : catalogoToroidi)
        if (v.sigla == sigla) return &v;
    return nullptr;
}

// Most turns with the 0,20 mm wire for the size of a designation.
int spireFiloSottile(std::string_view sigla) {
    const std::string_view misura = misuraDi(sigla);
    for (std::size_t i = 0; i < misureTab3.size(); ++i)
        if (misureTab3[i] == misura) return tabellaSpire[0].spire[i];
    return -1;
}

const std::vector<std::string> kEccezioni = {"T60/6", "T106/0", "T157/15", "T184/1", "T184/2", "T184/3", "T184/6"};

}  // namespace

class TestCatalogoToroidi : public QObject {
    Q_OBJECT
private slots:
    void order();
    void selectable();
    void everySelectableCore_data();
    void everySelectableCore();
    void containment_data();
    void containment();
    void limits_data();
    void limits();
    void limitRule();
    void designationAsWritten_data();
    void designationAsWritten();
    void everyDesignationTheMakersWay();
    void turnsTableWire020();
};

// Size-major, mix-minor, then T300/2 alone.
void TestCatalogoToroidi::order() {
    std::vector<std::string> attese;
    for (int misura : {37, 44, 50, 60, 68, 80, 94, 106, 130, 157, 184, 200})
        for (int mix : {0, 1, 2, 3, 6, 7, 10, 12, 15, 17})
            attese.push_back("T" + std::to_string(misura) + "/" + std::to_string(mix));
    attese.push_back("T300/2");
    QCOMPARE(catalogoToroidi.size(), attese.size());
    for (std::size_t i = 0; i < attese.size(); ++i)
        QCOMPARE(q(catalogoToroidi[i].sigla), QString::fromStdString(attese[i]));
}

// The picker's list, written out from the mixes each size offers.
void TestCatalogoToroidi::selectable() {
    const std::vector<std::pair<int, std::vector<int>>> offerte = {{37, {0, 1, 2, 3, 6, 7, 10, 12, 15, 17}},
                                                                   {44, {0, 1, 2, 3, 6, 7, 10, 12, 15, 17}},
                                                                   {50, {0, 1, 2, 3, 6, 7, 10, 12, 15, 17}},
                                                                   {60, {2, 6}},
                                                                   {68, {0, 1, 2, 3, 6, 7, 10, 12, 15}},
                                                                   {80, {0, 1, 2, 3, 6, 7, 10, 12, 15}},
                                                                   {94, {0, 1, 2, 3, 6, 10, 15}},
                                                                   {106, {0, 1, 2, 3, 6, 7, 15}},
                                                                   {130, {0, 1, 2, 3, 6, 7, 15}},
                                                                   {157, {1, 2, 3, 6, 15}},
                                                                   {184, {1, 2, 3, 6}},
                                                                   {200, {1, 2, 3, 6, 7}},
                                                                   {300, {2}}};
    QStringList attese;
    for (const auto& [misura, mixes] : offerte)
        for (int mix : mixes) attese << QStringLiteral("T%1/%2").arg(misura).arg(mix);
    QCOMPARE(attese.size(), 86);
    QStringList lista;
    for (std::string_view s : toroidiSelezionabili) lista << q(s);
    QCOMPARE(lista, attese);
}

void TestCatalogoToroidi::everySelectableCore_data() {
    QTest::addColumn<QString>("sigla");
    for (std::string_view s : toroidiSelezionabili) QTest::newRow(std::string(s).c_str()) << q(s);
}

// Each listed designation finds its own entry, never a neighbour whose
// designation it contains or that contains it.
void TestCatalogoToroidi::everySelectableCore() {
    QFETCH(QString, sigla);
    const std::string s = sigla.toStdString();
    const VoceToroide* v = voce(s);
    QVERIFY(v);
    const auto al = fattoreAL(s);
    QVERIFY(al.has_value());
    QCOMPARE(*al, v->al);
    QVERIFY(*al != 0.0);
    const auto limite = limiteInduttanza(s);
    QVERIFY(limite.has_value());
    QCOMPARE(*limite, *v->limite);
}

void TestCatalogoToroidi::containment_data() {
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("trovato");
    QTest::addColumn<double>("al");

    // clang-format off
    QTest::newRow("T37/12 not T37/1") << "T37/12" << true << 15.0;
    QTest::newRow("T37/10") << "T37/10" << true << 25.0;
    QTest::newRow("T37/17") << "T37/17" << true << 15.0;
    QTest::newRow("T157/15") << "T157/15" << true << 360.0;
    QTest::newRow("T184/10 no data") << "T184/10" << true << 0.0;
    QTest::newRow("T60/1 no data") << "T60/1" << true << 0.0;
    QTest::newRow("T60/3 no data") << "T60/3" << true << 0.0;
    QTest::newRow("T60/22 contains T60/2") << "T60/22" << true << 65.0;
    QTest::newRow("T300/2") << "T300/2" << true << 114.0;
    QTest::newRow("T37/0 fractional") << "T37/0" << true << 4.9;
    QTest::newRow("T94/0 fractional") << "T94/0" << true << 10.6;
    QTest::newRow("T184/1") << "T184/1" << true << 500.0;
    QTest::newRow("T44/15 published table") << "T44/15" << true << 160.0;
    QTest::newRow("picker initial text") << "TOROIDI" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("lower case t") << "t37/2" << false << 0.0;
    QTest::newRow("blank inside") << "T37 /2" << false << 0.0;
    QTest::newRow("two sizes, later wins") << "T200/3T37/2" << true << 425.0;
    QTest::newRow("two sizes, order in text ignored") << "T37/2T200/3" << true << 425.0;
    QTest::newRow("pair keeps first member") << "T37/3T37/2" << true << 40.0;
    QTest::newRow("pair keeps /0 over /1") << "T44/1 T44/0" << true << 6.5;
    QTest::newRow("later pair of same size wins") << "T50/2 T50/6" << true << 40.0;
    QTest::newRow("surrounded") << "xxT80/15yy" << true << 170.0;
    // clang-format on
}

void TestCatalogoToroidi::containment() {
    QFETCH(QString, testo);
    QFETCH(bool, trovato);
    QFETCH(double, al);
    const auto valore = fattoreAL(testo.toStdString());
    QCOMPARE(valore.has_value(), trovato);
    if (trovato) QCOMPARE(*valore, al);
}

void TestCatalogoToroidi::limits_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<bool>("presente");
    QTest::addColumn<double>("limite");

    // clang-format off
    QTest::newRow("T37/2") << "T37/2" << true << 16.9;
    QTest::newRow("T37/3") << "T37/3" << true << 50.7;
    QTest::newRow("T37/12") << "T37/12" << true << 6.33;
    QTest::newRow("T300/2") << "T300/2" << true << 5349.16;
    QTest::newRow("T184/1") << "T184/1" << true << 2800.0;
    QTest::newRow("T184/2") << "T184/2" << true << 2700.0;
    QTest::newRow("T184/3") << "T184/3" << true << 8100.0;
    QTest::newRow("T184/6") << "T184/6" << true << 2190.0;
    QTest::newRow("T60/6") << "T60/6" << true << 71.46;
    QTest::newRow("T106/0") << "T106/0" << true << 74.78;
    QTest::newRow("T157/15") << "T157/15" << true << 2805.62;
    QTest::newRow("T44/15 follows its AL") << "T44/15" << true << 90.0;
    QTest::newRow("T60/3 not listed") << "T60/3" << false << 0.0;
    QTest::newRow("T68/17 not listed") << "T68/17" << false << 0.0;
    QTest::newRow("containment gives no limit") << "T60/22" << false << 0.0;
    QTest::newRow("trailing blank") << "T37/2 " << false << 0.0;
    QTest::newRow("TOROIDI") << "TOROIDI" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    // clang-format on
}

void TestCatalogoToroidi::limits() {
    QFETCH(QString, nome);
    QFETCH(bool, presente);
    QFETCH(double, limite);
    const auto valore = limiteInduttanza(nome.toStdString());
    QCOMPARE(valore.has_value(), presente);
    if (presente) QCOMPARE(*valore, limite);
}

void TestCatalogoToroidi::designationAsWritten_data() {
    QTest::addColumn<QString>("scritta");
    QTest::addColumn<QString>("sigla");  // empty: not in the catalogue

    // clang-format off
    QTest::newRow("maker's way") << "T50-2" << "T50/2";
    QTest::newRow("lower case, slash") << "t50/2" << "T50/2";
    QTest::newRow("catalogue's way") << "T50/2" << "T50/2";
    QTest::newRow("blanks around") << " t50-2 " << "T50/2";
    QTest::newRow("tab and newline around") << "\tT50-2\n" << "T50/2";
    QTest::newRow("mix 0 is not mix 2") << "T50-0" << "T50/0";
    QTest::newRow("T37-12 not T37/1") << "T37-12" << "T37/12";
    QTest::newRow("T37-1 not T37/12") << "T37-1" << "T37/1";
    QTest::newRow("lone T300") << "t300-2" << "T300/2";
    QTest::newRow("core without data") << "T60-1" << "T60/1";
    QTest::newRow("longer mix") << "T50-22" << "";
    QTest::newRow("shorter size") << "T5-2" << "";
    QTest::newRow("size alone") << "T50" << "";
    QTest::newRow("no mix") << "T50-" << "";
    QTest::newRow("no T") << "50-2" << "";
    QTest::newRow("two T") << "TT50-2" << "";
    QTest::newRow("blank inside") << "T 50-2" << "";
    QTest::newRow("two separators") << "T50--2" << "";
    QTest::newRow("mix not offered") << "T300-6" << "";
    QTest::newRow("picker initial text") << "TOROIDI" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("blanks only") << "   " << "";
    QTest::newRow("ferrite, another maker's letter") << "FT50-43" << "";
    // clang-format on
}

void TestCatalogoToroidi::designationAsWritten() {
    QFETCH(QString, scritta);
    QFETCH(QString, sigla);
    const std::string testo = scritta.toStdString();
    const auto trovata = siglaDiCatalogo(testo);
    QCOMPARE(trovata.has_value(), !sigla.isEmpty());
    if (trovata) QCOMPARE(q(*trovata), sigla);
}

// Every core of the catalogue, written with the maker's minus or in lower
// case, finds itself.
void TestCatalogoToroidi::everyDesignationTheMakersWay() {
    for (const VoceToroide& v : catalogoToroidi) {
        std::string maker(v.sigla);
        maker[maker.find('/')] = '-';
        std::string lower = maker;
        lower[0] = 't';
        for (const std::string& scritta : {std::string(v.sigla), maker, lower}) {
            const auto trovata = siglaDiCatalogo(scritta);
            QVERIFY2(trovata && *trovata == v.sigla, scritta.c_str());
        }
    }
}

// The limits come from AL x N^2 / 10000 cut to two decimals, N the most turns
// of the thinnest wire: a check of the typed figures against each other.
// Exactly seven cores are fixed otherwise.
void TestCatalogoToroidi::limitRule() {
    int seguono = 0;
    QStringList fuoriRegola;
    for (const VoceToroide& v : catalogoToroidi) {
        if (!v.limite) continue;
        const int n = spireFiloSottile(v.sigla);
        QVERIFY2(n > 0, std::string(v.sigla).c_str());
        const double regola = troncaDecimali(v.al * n * n / 10000.0, 2);
        if (regola == *v.limite)
            ++seguono;
        else
            fuoriRegola << q(v.sigla);
    }
    QStringList attese;
    for (const std::string& s : kEccezioni) attese << QString::fromStdString(s);
    QCOMPARE(fuoriRegola, attese);
    QCOMPARE(seguono, 79);
}

// T184 takes as many turns as T157 with the thinnest wire.
void TestCatalogoToroidi::turnsTableWire020() {
    QCOMPARE(q(tabellaSpire[0].filo), QStringLiteral("0,20"));
    QCOMPARE(spireFiloSottile("T184/2"), 335);
    QCOMPARE(spireFiloSottile("T37/2"), 65);
    QCOMPARE(spireFiloSottile("T300/2"), 685);
    // every size named in the head row, in order
    std::size_t da = 0;
    for (std::string_view m : misureTab3) {
        const auto at = kIntestazioneMisure.find(m, da);
        QVERIFY2(at != std::string_view::npos, std::string(m).c_str());
        da = at + m.size();
    }
}

QTEST_GUILESS_MAIN(TestCatalogoToroidi)
#include "tst_catalogotoroidi.moc"
