// The build sheet on its own: sheets made by hand, written as PDF, printed
// through a PDF printer and painted on recording devices. Run as
// "tst_buildsheet --write FILE [ELEMENTS]" it only writes a sheet and says
// why it could not: the failing-write test runs it so under a file size
// limit.
#include "app/Fonts.h"
#include "app/PrintJob.h"
#include "verifica/BuildSheet.h"

#include <QApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>

using namespace ombrana;

namespace {

constexpr double kMarginMm = 15;

// A Butterworth response of that order and cut-off, in dB from 0.7 to 70 MHz.
PlotCurve response(const QString& label, const QColor& colour, int order, double cutoffMHz) {
    PlotCurve c{.label = label, .colour = colour};
    for (int i = 0; i <= 300; ++i) {
        const double f = 0.7 * std::pow(100.0, i / 300.0);
        c.points.emplace_back(f, 10 * std::log10(1 + std::pow(f / cutoffMHz, 2 * order)));
    }
    return c;
}

// A low-pass pi ladder of 3 or 9 elements as the verification window would
// hand it over: values, windings, ratings, notes, figures and curves.
BuildSheet sheetOf(int elements) {
    BuildSheet s;
    s.title = QStringLiteral("VERIFICA  PASSA BASSO PI-GRECO");
    s.shape = ladderShape(TipoCella::PassaBassoPiGreco, elements);
    s.design = {QStringLiteral("Frequenza di taglio = 7,362 MHz (fine dell'ondulazione)"),
                QStringLiteral("Z = 50 Ohm"),
                QStringLiteral("Risposta: Chebyshev, %1 elementi, ROS in banda 1,039, serie E12").arg(elements),
                QStringLiteral("Banda: 40 m (7,000 - 7,200 MHz)"),
                QStringLiteral("Frequenza di lavoro = 7,1 MHz"),
                QStringLiteral("Q delle bobine = 200"),
                QStringLiteral("Potenza = 100 W"),
                QStringLiteral("ROS del carico = 2")};
    // clang-format off
    if (elements == 3) {
        s.builtC1 = QStringLiteral("C1 = 458 pF");
        s.builtL1 = QStringLiteral("L1 = 1,137 \u00b5H");
        s.parts = {
            {"C1", "2", "458 pF",       "390 + 68 pF in parallelo (E12)", "100 V picco (141 V con ROS 2); 300 V"},
            {"L1", "1", "1,137 \u00b5H", "T50/2: 16 spire, filo 0,80 mm",  "1,41 A eff. (2,0 A con ROS 2)"},
        };
    } else {
        s.builtC1 = QStringLiteral("C1 = 270 pF   C2 = 680 pF   C3 = 820 pF");
        s.builtL1 = QStringLiteral("L1 = 1,380 \u00b5H   L2 = 1,698 \u00b5H");
        s.parts = {
            {"C1", "2", "270 pF",       "E12, mica argentata o ceramico NP0",                               "71 V picco (107 V con ROS 2); almeno 250 V"},
            {"L1", "2", "1,380 \u00b5H", "T50/2: 17 spire, filo 0,80 mm (al massimo 1,00 mm su T50)",       "1,42 A eff. (2,13 A con ROS 2)"},
            {"C2", "2", "680 pF",       "E12: 560 + 120 pF in parallelo",                                   "96 V picco (151 V con ROS 2); almeno 350 V"},
            {"L2", "2", "1,698 \u00b5H", "T50/2: 19 spire, filo 0,80 mm",                                   "1,98 A eff. (2,96 A con ROS 2)"},
            {"C3", "1", "820 pF",       "E12: 820 pF, il valore pi\u00f9 vicino ai 812 pF calcolati",       "100 V picco (163 V con ROS 2); almeno 350 V"},
        };
    }
    s.losses = {
        {"Attenuazione a 7,1 MHz",       "0,03 dB",   "0,08 dB"},
        {"ROS a 7,1 MHz",                "1,04",      "1,07"},
        {"Frequenza a -3 dB",            "7,905 MHz", "7,851 MHz"},
        {"Attenuazione a 14,2 MHz (2f)", "52,4 dB",   "50,9 dB"},
        {"Attenuazione a 21,3 MHz (3f)", "83,1 dB",   "81,0 dB"},
        {"ROS massimo in banda",         "1,04",      "1,09"},
    };
    // clang-format on
    s.notes = {QStringLiteral("Condensatori della serie E12; le bobine si avvolgono a spire uniformi su tutto il "
                              "toroide, i terminali corti."),
               QStringLiteral("Il progetto lascia 40 dB o pi\u00f9 alla seconda armonica.")};
    s.plot = {.fromMHz = 0.7,
              .toMHz = 70,
              .curves = {response("Progetto", Qt::blue, elements, 7.9), response("Costruito", Qt::red, elements, 7.85)},
              .markers = {{7.1, "f"}, {14.2, "2f"}, {21.3, "3f"}}};
    return s;
}

// More than a page holds: every text many times over, and a word longer
// than its column.
BuildSheet overfull() {
    BuildSheet s = sheetOf(9);
    s.parts[1].making += QStringLiteral(" ") + QString(200, QLatin1Char('W'));
    for (int i = 0; i < 40; ++i) s.notes << s.notes.first();
    for (BuildSheet::PartRow& r : s.parts) r.stress = r.stress.repeated(3);
    return s;
}

// A parts table longer than the page: 60 rows.
BuildSheet sixtyParts() {
    BuildSheet s = sheetOf(9);
    const std::vector<BuildSheet::PartRow> five = s.parts;
    while (s.parts.size() < 60) s.parts.push_back(five[s.parts.size() % five.size()]);
    return s;
}

QHash<QString, BuildSheet> sheets() {
    return {{"9 elements", sheetOf(9)},
            {"3 elements", sheetOf(3)},
            {"nothing computed", BuildSheet{}},
            {"overfull", overfull()},
            {"60 parts", sixtyParts()}};
}

// The page rendered at 80 dpi.
QImage rendered(const QString& pdf) {
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) return {};
    QProcess run;
    run.start(pdftoppm, {"-png", "-r", "80", "-singlefile", pdf, pdf + "-page"});
    if (!run.waitForFinished(60000)) return {};
    QImage page(pdf + "-page.png");
    page.setDotsPerMeterX(qRound(80 / 0.0254));
    page.setDotsPerMeterY(qRound(80 / 0.0254));
    return page;
}

// The smallest rectangle that holds every pixel darker than the paper.
QRect drawn(const QImage& page) {
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 250) box |= QRect(x, y, 1, 1);
    return box;
}

// The page less its margins, in pixels of an A4 device at that resolution.
QRectF sheetArea(double dpi) {
    const double m = kMarginMm / 25.4 * dpi;
    return QRectF(m, m, 210 / 25.4 * dpi - 2 * m, 297 / 25.4 * dpi - 2 * m);
}

// Records where each run of text is painted: its ink, in device pixels.
class TextRecorder : public QPaintEngine {
public:
    struct Run {
        QString text;
        QRectF ink;
        double points;
    };

    explicit TextRecorder(const QPaintDevice* device) : QPaintEngine(AllFeatures), m_device(device) {}
    std::vector<Run> runs;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyTransform) m_transform = state.transform();
    }
    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        const QRectF ink = QFontMetricsF(item.font(), m_device).tightBoundingRect(item.text()).translated(at);
        runs.push_back({item.text(), m_transform.mapRect(ink), item.font().pointSizeF()});
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawRects(const QRectF*, int) override {}
    void drawLines(const QLineF*, int) override {}
    void drawEllipse(const QRectF&) override {}
    void drawPoints(const QPointF*, int) override {}

private:
    const QPaintDevice* m_device;
    QTransform m_transform;
};

// An A4 page at 300 dpi that keeps what is written on it.
class RecordingPage : public QPaintDevice {
public:
    static constexpr int kDpi = 300;
    TextRecorder engine{this};

    QPaintEngine* paintEngine() const override { return const_cast<TextRecorder*>(&engine); }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth: return qRound(210 / 25.4 * kDpi);
            case PdmHeight: return qRound(297 / 25.4 * kDpi);
            case PdmWidthMM: return 210;
            case PdmHeightMM: return 297;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY: return kDpi;
            case PdmDepth: return 32;
            case PdmNumColors: return INT_MAX;
            case PdmDevicePixelRatio: return 1;
            case PdmDevicePixelRatioScaled: return qRound(devicePixelRatioFScale());
            default: return QPaintDevice::metric(m);
        }
    }
};

std::vector<TextRecorder::Run> textsOf(const BuildSheet& sheet) {
    RecordingPage page;
    QPainter p(&page);
    paintBuildSheet(p, sheetArea(RecordingPage::kDpi), sheet);
    p.end();
    return page.engine.runs;
}

// The child's side of aFailedWriteLeavesNoFile.
int writeForParent(const QString& path, int elements) {
    QString error;
    if (writeBuildSheetPdf(path, sheetOf(elements), &error)) return 0;
    std::fputs(qPrintable(error.isEmpty() ? QStringLiteral("?") : error), stdout);
    return 1;
}

}  // namespace

class TestBuildSheet : public QObject {
    Q_OBJECT
private slots:
    void onePageWithEveryValue_data();
    void onePageWithEveryValue();
    void marginsOnPaper_data();
    void marginsOnPaper();
    void nothingOutsideTheSheet_data();
    void nothingOutsideTheSheet();
    void textsNeverOverprint_data();
    void textsNeverOverprint();
    void anOverfullSheetGivesWayInItsNotes();
    void aFailedWriteLeavesNoFile_data();
    void aFailedWriteLeavesNoFile();
};

void TestBuildSheet::onePageWithEveryValue_data() {
    QTest::addColumn<int>("elements");
    // clang-format off
    QTest::newRow("9 elements") << 9;
    QTest::newRow("3 elements") << 3;
    // clang-format on
}

// pdftotext finds one page, and on it the title, every part with its count
// and value, and every figure designed and built.
void TestBuildSheet::onePageWithEveryValue() {
    QFETCH(int, elements);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) QSKIP("pdftotext is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath("foglio.pdf");
    const BuildSheet sheet = sheetOf(elements);
    QString error;
    QVERIFY2(writeBuildSheetPdf(path, sheet, &error), qPrintable(error));
    QProcess run;
    run.start(pdftotext, {path, QStringLiteral("-")});
    QVERIFY(run.waitForFinished(60000));
    const QString text = QString::fromUtf8(run.readAllStandardOutput());
    QCOMPARE(text.count(QChar('\f')), 1);
    QStringList wanted{QStringLiteral("VERIFICA"), sheet.builtC1, sheet.builtL1};
    for (const BuildSheet::PartRow& r : sheet.parts) wanted << r.value;
    for (const BuildSheet::LossRow& r : sheet.losses) wanted << r.designed << r.built;
    const QString words = text.simplified();
    for (const QString& s : wanted) QVERIFY2(words.contains(s.simplified()), qPrintable(s));
}

void TestBuildSheet::marginsOnPaper_data() {
    QTest::addColumn<QString>("through");
    // clang-format off
    QTest::newRow("PDF")                       << "pdf";
    QTest::newRow("printer with 3 mm margins") << "printer";
    QTest::newRow("printer on the full page")  << "full page";
    QTest::newRow("print job, tests' sink")    << "sink";
    // clang-format on
}

// Written as PDF, printed, or caught as every print job is, the page is A4
// upright and what is drawn on it keeps 15 mm from every edge, filling the
// width and most of the height.
void TestBuildSheet::marginsOnPaper() {
    QFETCH(QString, through);
    QImage page;
    if (through == "sink") {
        setPrintSinkForTests([&page](const PrintedPage& printed) { page = printed.image; });
        printOnDefaultPrinter(buildSheetJob(QStringLiteral("foglio"), [] { return sheetOf(9); }));
        setPrintSinkForTests({});
    } else {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) QSKIP("pdftoppm is not installed");
        QTemporaryDir dir;
        const QString path = dir.filePath("foglio.pdf");
        if (through == "pdf") {
            QVERIFY(writeBuildSheetPdf(path, sheetOf(9), nullptr));
        } else {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageMargins(QMarginsF(3, 3, 3, 3), QPageLayout::Millimeter);
            printer.setFullPage(through == "full page");
            QVERIFY(paintJob(buildSheetJob(QStringLiteral("foglio"), [] { return sheetOf(9); }), printer));
        }
        page = rendered(path);
    }
    QVERIFY(!page.isNull());
    const double mm = page.dotsPerMeterX() / 1000.0;
    QCOMPARE_LE(std::abs(page.width() - 210 * mm), 2.0);
    QCOMPARE_LE(std::abs(page.height() - 297 * mm), 2.0);
    const QRect box = drawn(page);
    const QMarginsF margins(box.left() / mm, box.top() / mm, (page.width() - box.right() - 1) / mm,
                            (page.height() - box.bottom() - 1) / mm);
    qInfo("margins %.1f %.1f %.1f %.1f mm", margins.left(), margins.top(), margins.right(), margins.bottom());
    // 15 mm give or take a pixel; the title's letters start a little below
    // the top of their line.
    for (double side : {margins.left(), margins.top(), margins.right(), margins.bottom()}) QCOMPARE_GE(side, 14.4);
    for (double side : {margins.left(), margins.right(), margins.bottom()}) QCOMPARE_LE(side, 15.6);
    QCOMPARE_LE(margins.top(), 17.0);
}

void TestBuildSheet::nothingOutsideTheSheet_data() {
    QTest::addColumn<QString>("sheet");
    for (const char* name : {"9 elements", "3 elements", "nothing computed", "overfull", "60 parts"})
        QTest::newRow(name) << name;
}

// On a page filled with a colour the sheet never uses, every pixel outside
// the sheet's rectangle keeps it.
void TestBuildSheet::nothingOutsideTheSheet() {
    QFETCH(QString, sheet);
    const QColor probe(0x12, 0x34, 0x56);
    const double dpi = 150;
    QImage page(qRound(210 / 25.4 * dpi), qRound(297 / 25.4 * dpi), QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.setDotsPerMeterY(qRound(dpi / 0.0254));
    page.fill(probe);
    const QRectF area = sheetArea(dpi);
    {
        QPainter p(&page);
        paintBuildSheet(p, area, sheets().value(sheet));
    }
    const QRect inside = area.toAlignedRect();
    int painted = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const bool same = page.pixelColor(x, y) == probe;
            if (!inside.contains(x, y)) QVERIFY2(same, qPrintable(QStringLiteral("painted at %1, %2").arg(x).arg(y)));
            painted += !same;
        }
    QVERIFY(painted > 0);
}

void TestBuildSheet::textsNeverOverprint_data() {
    nothingOutsideTheSheet_data();
}

// No two runs of text share ink, and all of them lie within the sheet (a
// glyph's ink may lean a fraction of a pixel past its start).
void TestBuildSheet::textsNeverOverprint() {
    QFETCH(QString, sheet);
    const std::vector<TextRecorder::Run> runs = textsOf(sheets().value(sheet));
    QVERIFY(!runs.empty());
    const QRectF area = sheetArea(RecordingPage::kDpi);
    for (std::size_t a = 0; a < runs.size(); ++a) {
        QVERIFY2(area.adjusted(-0.5, -0.5, 0.5, 0.5).contains(runs[a].ink), qPrintable(runs[a].text));
        for (std::size_t b = a + 1; b < runs.size(); ++b)
            QVERIFY2(!runs[a].ink.intersects(runs[b].ink), qPrintable(runs[a].text + " / " + runs[b].text));
    }
}

// A sheet with more than a page holds takes a smaller text than one that
// fits, keeps its parts and figures, and gives way in its notes, saying so.
void TestBuildSheet::anOverfullSheetGivesWayInItsNotes() {
    const auto pointsOf = [](const std::vector<TextRecorder::Run>& runs, const QString& text) {
        for (const TextRecorder::Run& r : runs)
            if (r.text == text) return r.points;
        return 0.0;
    };
    const auto has = [](const std::vector<TextRecorder::Run>& runs, const QString& text) {
        return std::any_of(runs.begin(), runs.end(), [&](const TextRecorder::Run& r) { return r.text.contains(text); });
    };
    const BuildSheet full = overfull();
    const std::vector<TextRecorder::Run> fitting = textsOf(sheetOf(9)), shrunk = textsOf(full);
    QVERIFY(pointsOf(shrunk, "270 pF") > 0);
    QCOMPARE_LT(pointsOf(shrunk, "270 pF"), pointsOf(fitting, "270 pF"));
    for (const QString& s : {full.parts.back().value, full.losses.back().caption, full.losses.back().built})
        QVERIFY2(has(shrunk, s), qPrintable(s));
    QVERIFY(has(shrunk, "note non entrano nella pagina"));
    QVERIFY(!has(fitting, "non entra"));
}

void TestBuildSheet::aFailedWriteLeavesNoFile_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("limitBytes");  // 0: no limit
    QTest::addColumn<bool>("written");
    // clang-format off
    QTest::newRow("written")            << "foglio.pdf"         << 0    << true;
    QTest::newRow("at most 2000 bytes") << "foglio.pdf"         << 2000 << false;
    QTest::newRow("no such folder")     << "manca/foglio.pdf"   << 0    << false;
    // clang-format on
}

// A write that fails part-way (the file size limited, SIGXFSZ ignored so
// that write() fails instead of the process dying) or cannot start is
// reported with a reason, and leaves no file, not even a temporary one.
void TestBuildSheet::aFailedWriteLeavesNoFile() {
    QFETCH(QString, file);
    QFETCH(int, limitBytes);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({QStringLiteral("--write"), path});
    if (limitBytes > 0)
        child.setChildProcessModifier([limitBytes] {
            const rlimit limit{rlim_t(limitBytes), rlim_t(limitBytes)};
            setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, SIG_IGN);
        });
    child.start();
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), written ? 0 : 1);
    const QString reason = QString::fromUtf8(child.readAllStandardOutput());
    QCOMPARE(reason.isEmpty(), written);
    const QStringList left = QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    QCOMPARE(left, written ? QStringList{file} : QStringList{});
    if (!written) return;
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.size() > limitBytes + 2000);
    QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installFontSubstitutes();
    if (argc >= 3 && qstrcmp(argv[1], "--write") == 0)
        return writeForParent(QString::fromLocal8Bit(argv[2]), argc > 3 ? std::atoi(argv[3]) : 9);
    TestBuildSheet test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_buildsheet.moc"
