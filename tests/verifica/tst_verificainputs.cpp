// The verification window's inputs as a builder uses them: the band and the
// operating frequency, the pick lists' values, the load's SWR, and the
// figures under their headings.
#include "app/LadderDrawing.h"
#include "filters/FilterWindow.h"
#include "tests/support/WindowTestSupport.h"
#include "tests/verifica/VerificaTestSupport.h"
#include "verifica/VerificationWindows.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace ombrana;
using namespace ombrana::test;

class TestVerificaInputs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        registerFilterWindows();
        registerVerificationWindows();
    }
    void cleanup() { closeAllWindows(); }

    void bandKeepsItsEdges_data();
    void bandKeepsItsEdges();
    void pickListsAreReadByValue();
    void proposalsNeedAnSwrLimitOverOne_data();
    void proposalsNeedAnSwrLimitOverOne();
    void loadSwrUnderOneIsSaid();
    void figuresStandUnderTheirHeadings();
    void butterworthCellReadsItsDesignFrequency_data();
    void butterworthCellReadsItsDesignFrequency();
};

// A frequency typed inside the band chosen, its edges included, keeps the
// band; one outside leaves none chosen.
void TestVerificaInputs::bandKeepsItsEdges_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("band");
    // clang-format off
    QTest::newRow("inside") << "7,1" << "40 m";
    QTest::newRow("top edge") << "7,2" << "40 m";
    QTest::newRow("bottom edge") << "7" << "40 m";
    QTest::newRow("just above") << "7,201" << "Nessuna";
    QTest::newRow("just below") << "6,999" << "Nessuna";
    // clang-format on
}

void TestVerificaInputs::bandKeepsItsEdges() {
    QFETCH(QString, typed);
    QFETCH(QString, band);
    VerificationWindow* v = verifyFrom(nomi::passaBassoPiGreco, QStringLiteral("8"));
    QVERIFY(v);
    FIND_CHILD(QComboBox, bands, v, "band");
    FIND_CHILD(QLineEdit, operating, v, "operatingFrequency");
    bands->setCurrentIndex(bands->findText(QStringLiteral("40 m")));
    QCOMPARE(operating->text(), QStringLiteral("7,2"));
    operating->setText(QStringLiteral("7,1"));
    operating->setText(typed);
    QCOMPARE(bands->currentText(), band);
}

// Each list is read by the value its entry carries: a list in another order
// still means what its entries say.
void TestVerificaInputs::pickListsAreReadByValue() {
    VerificationWindow* v = verifyFrom(nomi::passaBassoPiGreco);
    QVERIFY(v);
    FIND_CHILD(QComboBox, response, v, "response");
    FIND_CHILD(QComboBox, elements, v, "elements");
    FIND_CHILD(QComboBox, series, v, "series");
    FIND_CHILD(QComboBox, bands, v, "band");
    FIND_CHILD(LadderDrawing, drawing, v, "cella");
    for (QComboBox* list : {response, elements, series, bands}) list->model()->sort(0, Qt::DescendingOrder);
    elements->setCurrentIndex(elements->findText(QStringLiteral("5")));
    series->setCurrentIndex(series->findText(QStringLiteral("E24")));
    response->setCurrentIndex(response->findText(QStringLiteral("Butterworth")));
    bands->setCurrentIndex(bands->findText(QStringLiteral("20 m")));
    QCOMPARE(drawing->shape().size(), std::size_t(5));
    QVERIFY2(label(v, "designedCell").startsWith(QStringLiteral("Progetto: Butterworth 5 elementi")),
             qPrintable(label(v, "designedCell")));
    QVERIFY2(label(v, "parts").contains(QStringLiteral("Condensatori E24")), qPrintable(label(v, "parts")));
    QCOMPARE(v->buildSheet().design.join('\n').contains(QStringLiteral("Banda: 20 m")), true);
}

// PROPONI asks for an SWR limit over 1: no design keeps the SWR at 1.
void TestVerificaInputs::proposalsNeedAnSwrLimitOverOne_data() {
    QTest::addColumn<QString>("maxSwr");
    QTest::addColumn<bool>("proposed");
    // clang-format off
    QTest::newRow("1") << "1" << false;
    QTest::newRow("1,2") << "1,2" << true;
    // clang-format on
}

void TestVerificaInputs::proposalsNeedAnSwrLimitOverOne() {
    QFETCH(QString, maxSwr);
    QFETCH(bool, proposed);
    VerificationWindow* v = verifyFrom(nomi::passaBassoPiGreco);
    QVERIFY(v);
    FIND_CHILD(QLineEdit, limit, v, "maxSwr");
    limit->setText(maxSwr);
    click(v, QStringLiteral("propose"));
    QCOMPARE(!label(v, "designsCaption").startsWith(QStringLiteral("Indicare")), proposed);
}

// A load SWR under 1 is no load there is: the stress is worked out for a
// matched load, and the notice says so.
void TestVerificaInputs::loadSwrUnderOneIsSaid() {
    VerificationWindow* v = verifyFrom(nomi::passaBassoPiGreco);
    QVERIFY(v);
    FIND_CHILD(QComboBox, core, v, "core");
    FIND_CHILD(QLineEdit, loadSwr, v, "loadSwr");
    FIND_CHILD(QLabel, notice, v, "notice");
    core->setCurrentIndex(core->findText(QStringLiteral("T50/2")));
    QVERIFY(label(v, "parts").contains(QStringLiteral("con ROS 2")));
    QVERIFY(!notice->isVisible());
    loadSwr->setText(QStringLiteral("0,5"));
    QVERIFY(!label(v, "parts").contains(QStringLiteral("con ROS")));
    QVERIFY(label(v, "parts").contains(QStringLiteral("V di picco")));
    QVERIFY(notice->isVisible());
    QVERIFY2(label(v, "notice").contains(QStringLiteral("ROS del carico sotto 1")), qPrintable(label(v, "notice")));
}

// Each read-out stands under its column's heading: "Progetto", then
// "Costruito".
void TestVerificaInputs::figuresStandUnderTheirHeadings() {
    VerificationWindow* v = verifyFrom(nomi::passaBassoPiGreco);
    QVERIFY(v);
    FIND_CHILD(QLabel, designedHead, v, "designedHead");
    FIND_CHILD(QLabel, builtHead, v, "builtHead");
    QCOMPARE(designedHead->text(), QStringLiteral("Progetto"));
    QCOMPARE(builtHead->text(), QStringLiteral("Costruito"));
    for (const auto& row : kFigureNames) {
        FIND_CHILD(QLabel, designed, v, row[1]);
        FIND_CHILD(QLabel, built, v, row[2]);
        QCOMPARE(designed->geometry().center().x(), designedHead->geometry().center().x());
        QCOMPARE(built->geometry().center().x(), builtHead->geometry().center().x());
    }
}

// A Butterworth cell's cut-off is its half-power point: the design reads
// its frequency to the last digit shown.
void TestVerificaInputs::butterworthCellReadsItsDesignFrequency_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("frequency");
    // clang-format off
    QTest::newRow("low-pass pi, 145 MHz") << nomi::passaBassoPiGreco << "145";
    QTest::newRow("low-pass pi, 7 MHz") << nomi::passaBassoPiGreco << "7";
    QTest::newRow("low-pass T, 7 MHz") << nomi::passaBassoT << "7";
    QTest::newRow("high-pass pi, 28 MHz") << nomi::passaAltoPiGreco << "28";
    QTest::newRow("high-pass T, 28 MHz") << nomi::passaAltoT << "28";
    // clang-format on
}

void TestVerificaInputs::butterworthCellReadsItsDesignFrequency() {
    QFETCH(QString, filter);
    QFETCH(QString, frequency);
    VerificationWindow* v = verifyFrom(filter, frequency);
    QVERIFY(v);
    QCOMPARE(label(v, "cutoffDesigned"), frequency);
}

QTEST_MAIN(TestVerificaInputs)
#include "tst_verificainputs.moc"
