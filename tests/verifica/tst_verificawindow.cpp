#include "app/MessageBox.h"
#include "app/WindowNames.h"
#include "app/core/NumberText.h"
#include "filters/FilterWindow.h"
#include "tests/support/WindowTestSupport.h"
#include "tests/verifica/VerificaTestSupport.h"
#include "verifica/ResponsePlot.h"
#include "verifica/VerificationLayout.h"
#include "verifica/VerificationWindow.h"
#include "verifica/VerificationWindows.h"

#include <QAction>
#include <QComboBox>
#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace ombrana;
using namespace ombrana::test;

namespace {

constexpr const char* kFigures[] = {"cutoffDesigned",    "cutoffBuilt",   "lossDesigned",      "lossBuilt",
                                    "swrDesigned",       "swrBuilt",      "harmonic2Designed", "harmonic2Built",
                                    "harmonic3Designed", "harmonic3Built"};

}  // namespace

class TestVerificaWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        registerFilterWindows();
        registerVerificationWindows();
    }
    void init() { setMessageHookForTests({}); }
    void cleanup() { closeAllWindows(); }

    void opensFromEachFilterWindow_data();
    void opensFromEachFilterWindow();
    void saysWhatToDoWithoutAResult();
    void badInputEmptiesWhatDependsOnIt_data();
    void badInputEmptiesWhatDependsOnIt();
    void csvReadsBackToThePlot();
    void pdfIsOnePageWithTheWindowsValues();
    void aFileThatCannotBeWrittenIsReportedAndNotLeft();
    void eachCellHasItsOwnVariant_data();
    void eachCellHasItsOwnVariant();
};

void TestVerificaWindow::opensFromEachFilterWindow_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("operating");  // default: 90 % or 110 % of 7 MHz
    QTest::addColumn<QString>("capacitor");  // the nearest lower E24 value of C1
    QTest::addColumn<QString>("band40");     // the 40 m edge nearest the cut-off
    // clang-format off
    QTest::newRow("PassaBpig") << "PassaBpig" << "6,3" << "430" << "7,2";
    QTest::newRow("PassaApig") << "PassaApig" << "7,7" << "220" << "7";
    QTest::newRow("PassaBaT") << "PassaBaT" << "6,3" << "820" << "7,2";
    QTest::newRow("PassaAltoaT") << "PassaAltoaT" << "7,7" << "430" << "7";
    // clang-format on
}

void TestVerificaWindow::opensFromEachFilterWindow() {
    QFETCH(QString, filter);
    QFETCH(QString, operating);
    QFETCH(QString, capacitor);
    QFETCH(QString, band40);
    QWidget* fw = openWindow(filter);
    FIND_CHILD(QAction, verifica, fw, "verifica");
    FIND_CHILD(QLineEdit, frequency, fw, "Text1");
    // The new entry stands right after "Stampa".
    const QList<QAction*> entries = qobject_cast<QMainWindow*>(fw)->menuBar()->actions();
    const auto stampa =
        std::find_if(entries.begin(), entries.end(), [](QAction* a) { return a->objectName() == "stampa"; });
    QVERIFY(stampa != entries.end() && stampa + 1 != entries.end());
    QCOMPARE((*(stampa + 1))->objectName(), QStringLiteral("verifica"));
    QCOMPARE((*(stampa + 1))->text(), QStringLiteral("Verifica"));

    VerificationWindow* v = verifyFrom(filter);
    QVERIFY(v);
    FIND_CHILD(QLabel, notice, v, "notice");
    FIND_CHILD(QLineEdit, operatingFrequency, v, "operatingFrequency");
    FIND_CHILD(QLineEdit, capacitorField, v, "capacitor");
    QTRY_VERIFY(v->isVisible());
    QVERIFY(!notice->isVisible());
    QCOMPARE(operatingFrequency->text(), operating);
    QCOMPARE(capacitorField->text(), capacitor);
    for (const char* name : kFigures) QVERIFY2(!label(v, name).isEmpty(), name);
    const double cutoff = *leggiNumero(label(v, "cutoffDesigned").toStdString());
    QVERIFY2(std::abs(cutoff - 7) < 0.15, qPrintable(label(v, "cutoffDesigned")));
    QCOMPARE(v->buildSheet().plot.curves.size(), std::size_t(2));

    // Picking 40 m from the list sets the operating frequency and its figures.
    const QString lossBefore = label(v, "lossDesigned");
    FIND_CHILD(QComboBox, band, v, "band");
    for (int i = 0; i < 4; ++i) QTest::keyClick(band, Qt::Key_Down);
    QCOMPARE(band->currentText(), QStringLiteral("40 m"));
    QCOMPARE(operatingFrequency->text(), band40);
    QVERIFY(label(v, "lossDesigned") != lossBefore);

    // One instance: the entry again brings the same window forward.
    verifica->trigger();
    QCOMPARE(finestre().find(nomi::verifica(filter)), v);

    // A new CALCOLA in the filter window refills the verification.
    frequency->setText(QStringLiteral("14"));
    click(fw, QStringLiteral("Command6"));
    const double moved = *leggiNumero(label(v, "cutoffDesigned").toStdString());
    QVERIFY2(std::abs(moved - 14) < 0.3, qPrintable(label(v, "cutoffDesigned")));
    // CANCELLA there leaves nothing to verify.
    click(fw, filter == nomi::passaBassoPiGreco || filter == nomi::passaAltoT ? QStringLiteral("Command2")
                                                                              : QStringLiteral("Command1"));
    QVERIFY(notice->isVisible());
    QVERIFY(label(v, "cutoffDesigned").isEmpty());
    // Closing the filter window closes its verification too.
    fw->close();
    QVERIFY(!finestre().isOpen(nomi::verifica(filter)));
}

void TestVerificaWindow::saysWhatToDoWithoutAResult() {
    QWidget* v = openWindow(nomi::verificaPassaBassoT);
    QVERIFY(v);
    FIND_CHILD(QLabel, notice, v, "notice");
    QVERIFY(notice->isVisible());
    QVERIFY(notice->text().contains("CALCOLA"));
    for (const char* name : kFigures) QVERIFY2(label(v, name).isEmpty(), name);
    // The filter window, opened and computed afterwards, is followed.
    QVERIFY(computeCell(nomi::passaBassoT, QStringLiteral("3,5")));
    QVERIFY(!notice->isVisible());
    QVERIFY(!label(v, "lossBuilt").isEmpty());
}

void TestVerificaWindow::badInputEmptiesWhatDependsOnIt_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("core");
    QTest::addColumn<QStringList>("emptied");
    QTest::addColumn<QStringList>("kept");
    const QStringList built{"cutoffBuilt", "lossBuilt", "swrBuilt", "harmonic2Built", "harmonic3Built"};
    const QStringList atOperating{"lossDesigned",      "lossBuilt",      "swrDesigned",       "swrBuilt",
                                  "harmonic2Designed", "harmonic2Built", "harmonic3Designed", "harmonic3Built"};
    const QStringList none;
    // clang-format off
    QTest::newRow("operating empty") << "operatingFrequency" << "" << "T50/2" << atOperating << QStringList{"cutoffBuilt"};
    QTest::newRow("operating zero") << "operatingFrequency" << "0" << "T50/2" << atOperating << QStringList{"cutoffDesigned"};
    QTest::newRow("operating lone comma") << "operatingFrequency" << "," << "T50/2" << atOperating << QStringList{"cutoffBuilt"};
    QTest::newRow("capacitor zero") << "capacitor" << "0" << "T50/2" << built << QStringList{"lossDesigned"};
    QTest::newRow("1e-9 pF on a toroid") << "capacitor" << "0,000000001" << "T50/2" << built << QStringList{"lossDesigned"};
    QTest::newRow("1e-9 pF, exact coil") << "capacitor" << "0,000000001" << "Nessuno: L1 esatta" << none << QStringList{"lossBuilt"};
    QTest::newRow("air coil without diameter") << "diameter" << "" << "Bobina in aria" << built << QStringList{"lossDesigned"};
    QTest::newRow("air coil of 1e12 uH") << "capacitor" << "0,000000000001" << "Bobina in aria" << built << QStringList{"swrDesigned"};
    // clang-format on
}

void TestVerificaWindow::badInputEmptiesWhatDependsOnIt() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, core);
    QFETCH(QStringList, emptied);
    QFETCH(QStringList, kept);
    VerificationWindow* v = verifyFrom(nomi::passaBassoPiGreco);
    QVERIFY(v);
    FIND_CHILD(QLineEdit, diameter, v, "diameter");
    FIND_CHILD(QLineEdit, length, v, "length");
    FIND_CHILD(QComboBox, coreList, v, "core");
    diameter->setText(QStringLiteral("20"));
    length->setText(QStringLiteral("15"));
    coreList->setCurrentText(core);
    FIND_CHILD(QLineEdit, typedInto, v, field);
    paste(typedInto, text);
    for (const QString& name : emptied) QVERIFY2(label(v, qPrintable(name)).isEmpty(), qPrintable(name));
    for (const QString& name : kept) QVERIFY2(!label(v, qPrintable(name)).isEmpty(), qPrintable(name));
    // Whatever is shown is a number of the program's kind: never NaN,
    // infinity or a negative loss.
    for (const char* name : kFigures) {
        const QString shown = label(v, name);
        if (shown.isEmpty() || shown == "> 99") continue;
        const auto x = leggiNumero(shown.toStdString());
        QVERIFY2(x && *x >= 0, qPrintable(QString("%1: %2").arg(name, shown)));
    }
}

void TestVerificaWindow::csvReadsBackToThePlot() {
    VerificationWindow* v = verifyFrom(nomi::passaAltoT);
    QVERIFY(v);
    FIND_CHILD(QComboBox, core, v, "core");
    core->setCurrentText(QStringLiteral("T37/6"));
    QTemporaryDir dir;
    const QString path = dir.filePath("curva.csv");
    QVERIFY(v->writeCsv(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
    const PlotData plot = v->buildSheet().plot;
    QCOMPARE(plot.curves.size(), std::size_t(2));
    QCOMPARE(lines.size(), qsizetype(plot.curves[0].points.size() + 1));
    for (std::size_t i = 0; i < plot.curves[0].points.size(); ++i) {
        const QStringList f = lines[qsizetype(i + 1)].split(';');
        QCOMPARE(f.size(), 4);
        for (int c = 0; c < 2; ++c) {
            const QPointF p = plot.curves[std::size_t(c)].points[i];
            const double x = *leggiNumero(f[0].toStdString());
            const double y = *leggiNumero(f[c + 1].toStdString());
            QVERIFY(std::abs(x - p.x()) <= 1e-12 * p.x() && std::abs(y - p.y()) <= 1e-9 * std::max(1.0, p.y()));
        }
        QVERIFY(*leggiNumero(f[3].toStdString()) >= 1);
        // The design is the exact Butterworth high-pass cell of 7 MHz: it
        // loses 10 log10(1 + (fc/f)^6), whatever the plot drew.
        const double mhz = *leggiNumero(f[0].toStdString());
        const double designed = *leggiNumero(f[1].toStdString());
        QVERIFY2(std::abs(designed - 10 * std::log10(1 + std::pow(7 / mhz, 6))) < 1e-9 * std::max(1.0, designed),
                 qPrintable(lines[qsizetype(i + 1)]));
    }
    // From a tenth to ten times the cut-off.
    QVERIFY(std::abs(*leggiNumero(lines[1].split(';')[0].toStdString()) - 0.7) < 1e-12);
    QVERIFY(std::abs(*leggiNumero(lines.last().split(';')[0].toStdString()) - 70) < 1e-9);
}

void TestVerificaWindow::pdfIsOnePageWithTheWindowsValues() {
    VerificationWindow* v = verifyFrom(nomi::passaBassoPiGreco);
    QVERIFY(v);
    FIND_CHILD(QComboBox, core, v, "core");
    core->setCurrentText(QStringLiteral("T50/2"));
    QTemporaryDir dir;
    const QString path = dir.filePath("foglio.pdf");
    QVERIFY(v->writePdf(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    file.close();

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) QSKIP("pdftotext is not installed");
    QProcess run;
    run.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    QVERIFY(run.waitForFinished(30000));
    const QString text = QString::fromUtf8(run.readAllStandardOutput());
    QCOMPARE(text.count(QChar('\f')), 1);  // one page
    const QStringList shown{label(v, "builtC1"),        label(v, "lossBuilt"),      label(v, "harmonic2Built"),
                            label(v, "cutoffDesigned"), QStringLiteral("22 spire"), QStringLiteral("390 + 68")};
    for (const QString& s : shown) QVERIFY2(!s.isEmpty() && text.contains(s), qPrintable(s));
}

void TestVerificaWindow::aFileThatCannotBeWrittenIsReportedAndNotLeft() {
    VerificationWindow* v = verifyFrom(nomi::passaBassoPiGreco);
    QVERIFY(v);
    QStringList messages;
    setMessageHookForTests([&messages](const MessageText& m) { messages << m.text; });
    QTemporaryDir dir;
    const QString missing = dir.filePath("nessuna/cartella/file");
    QVERIFY(!v->writeCsv(missing + ".csv"));
    QVERIFY(!v->writePdf(missing + ".pdf"));
    QCOMPARE(messages.size(), 2);
    QVERIFY(messages[0].contains("csv") && messages[1].contains("pdf"));
    QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void TestVerificaWindow::eachCellHasItsOwnVariant_data() {
    QTest::addColumn<TipoCella>("kind");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("window");
    // clang-format off
    QTest::newRow("low-pass pi") << TipoCella::PassaBassoPiGreco << nomi::passaBassoPiGreco << nomi::verificaPassaBassoPiGreco;
    QTest::newRow("high-pass pi") << TipoCella::PassaAltoPiGreco << nomi::passaAltoPiGreco << nomi::verificaPassaAltoPiGreco;
    QTest::newRow("low-pass T") << TipoCella::PassaBassoT << nomi::passaBassoT << nomi::verificaPassaBassoT;
    QTest::newRow("high-pass T") << TipoCella::PassaAltoT << nomi::passaAltoT << nomi::verificaPassaAltoT;
    // clang-format on
}

// No cell borrows another's verification window.
void TestVerificaWindow::eachCellHasItsOwnVariant() {
    QFETCH(TipoCella, kind);
    QFETCH(QString, filter);
    QFETCH(QString, window);
    const VerificationVariant& v = verificationVariant(kind);
    QCOMPARE(v.kind, kind);
    QCOMPARE(v.filterWindow, filter);
    QCOMPARE(v.windowName, window);
}

QTEST_MAIN(TestVerificaWindow)
#include "tst_verificawindow.moc"
