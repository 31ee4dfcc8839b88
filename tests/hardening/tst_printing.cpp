// "Stampa" of a filter window: where the designed area goes on a page, how
// it is painted there, and a real print system. With
// OMBRANA_PRINT_OUTPUT_DIR set (one folder, or several separated by ':'), a
// virtual PDF printer is the default one and writes its files there: the test prints and reads the page back through
// pdftoppm. Without it there must be no default printer: "Stampa" then
// returns, shows nothing and changes nothing.
#include "app/DesignedWindow.h"
#include "app/WindowNames.h"
#include "app/WindowPrinter.h"
#include "app/WindowRegistry.h"
#include "tests/hardening/HardeningSupport.h"
#include "tests/support/WindowTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>

using namespace ombrana;
using namespace ombrana::hardening;

namespace {

QWidget* computedFilterWindow() {
    QWidget* w = test::openWindow(nomi::passaBassoPiGreco);
    if (!w) return nullptr;
    FIND_CHILD(QLineEdit, frequency, w, "Text1", nullptr);
    FIND_CHILD(QLineEdit, impedance, w, "Text2", nullptr);
    test::paste(frequency, QStringLiteral("7"));
    test::paste(impedance, QStringLiteral("50"));
    QTest::mouseClick(buttonWithCaption(w, QStringLiteral("CALCOLA")), Qt::LeftButton);
    return w;
}

// The verification window of the computed filter, opened from its menu.
QWidget* computedVerificationWindow() {
    QWidget* filter = computedFilterWindow();
    auto* verifica = filter ? filter->findChild<QAction*>(QStringLiteral("verifica")) : nullptr;
    if (!verifica) return nullptr;
    verifica->trigger();
    return finestre().find(nomi::verificaPassaBassoPiGreco);
}

// Every PDF file in the folders, by full path.
QStringList pdfIn(const QString& folders) {
    QStringList files;
    for (const QString& dir : folders.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        for (const QFileInfo& f : QDir(dir).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
            files << f.absoluteFilePath();
    return files;
}

// Counts the pixels that are not white, and those of the teal ground
// (RGB 00 80 80, allowing for the scaling of the printed image).
struct PixelCount {
    qsizetype notWhite = 0;
    qsizetype teal = 0;
};

// The smallest rectangle that holds every teal pixel.
QRect tealBox(const QImage& page) {
    const QImage img = page.convertToFormat(QImage::Format_RGB32);
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor p = img.pixelColor(x, y);
            if (p.red() < 40 && qAbs(p.green() - 0x80) < 24 && qAbs(p.blue() - 0x80) < 24) box |= QRect(x, y, 1, 1);
        }
    return box;
}

// Presses "Stampa" in the window and reads back, at that resolution, the
// PDF that the virtual printer writes into the folders; a null image when
// none arrives within a minute.
QImage printedOnPdfPrinter(QWidget* window, const QString& folders, int dpi) {
    auto* stampa = window->findChild<QAction*>(QStringLiteral("stampa"));
    if (!stampa) return {};
    const QStringList before = pdfIn(folders);
    stampa->trigger();
    QString pdf;
    const auto arrived = [&] {
        for (const QString& f : pdfIn(folders))
            if (!before.contains(f) && QFileInfo(f).size() > 0) pdf = f;
        return !pdf.isEmpty();
    };
    if (!QTest::qWaitFor(arrived, 60000)) return {};
    qInfo("printed to %s", qPrintable(pdf));
    // cups-pdf writes the file in steps; wait until pdftoppm can read it whole.
    QTemporaryDir tmp;
    const QString stem = tmp.filePath(QStringLiteral("pagina"));
    const auto render = [&] {
        QProcess p;
        p.start(QStringLiteral("pdftoppm"), {"-r", QString::number(dpi), "-png", "-singlefile", pdf, stem});
        return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    };
    return QTest::qWaitFor(render, 30000) ? QImage(stem + QStringLiteral(".png")) : QImage();
}

// The page a window's "Stampa" sends, caught by the tests' sink: the path
// every print job takes.
PrintedPage printedBy(QWidget* window) {
    QList<PrintedPage> pages;
    setPrintSinkForTests([&pages](const PrintedPage& page) { pages << page; });
    if (auto* stampa = window->findChild<QAction*>(QStringLiteral("stampa"))) stampa->trigger();
    setPrintSinkForTests({});
    return pages.size() == 1 ? pages.first() : PrintedPage{};
}

// A sheet in the sink's pixels, turned as asked.
QSize sheet(QPageSize::PageSizeId size, QPageLayout::Orientation orientation) {
    const QSize upright = QPageSize(size).sizePixels(qRound(PrintedPage::kSinkDpi));
    return orientation == QPageLayout::Landscape ? upright.transposed() : upright;
}

// The smallest rectangle that holds every pixel darker than the paper.
QRect inkBox(const QImage& page) {
    const QImage img = page.convertToFormat(QImage::Format_RGB32);
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 250) box |= QRect(x, y, 1, 1);
    return box;
}

PixelCount countPixels(const QImage& page) {
    PixelCount c;
    const QImage img = page.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QColor p = img.pixelColor(x, y);
            if (p.red() < 240 || p.green() < 240 || p.blue() < 240) ++c.notWhite;
            if (p.red() < 40 && qAbs(p.green() - 0x80) < 24 && qAbs(p.blue() - 0x80) < 24) ++c.teal;
        }
    }
    return c;
}

}  // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareProgram(); }
    void cleanup() { test::closeAllWindows(); }

    void placeOnPage_data() {
        QTest::addColumn<QSizeF>("area");
        QTest::addColumn<QRectF>("printable");
        QTest::addColumn<QRectF>("target");
        QTest::addColumn<int>("orientation");
        const int landscape = QPageLayout::Landscape, portrait = QPageLayout::Portrait;
        // A filter window's area on a landscape sheet: the width fills, the height is centred.
        // clang-format off
        QTest::newRow("wide area, width bound") << QSizeF(794, 520) << QRectF(0, 0, 1000, 700) << QRectF(0, (700 - 520 * 1000.0 / 794) / 2, 1000, 520 * 1000.0 / 794) << landscape;
        QTest::newRow("tall area, offset page") << QSizeF(100, 200) << QRectF(10, 20, 300, 300) << QRectF(85, 20, 150, 300) << portrait;
        QTest::newRow("square area stays upright") << QSizeF(200, 200) << QRectF(0, 0, 400, 600) << QRectF(0, 100, 400, 400) << portrait;
        QTest::newRow("nothing to print") << QSizeF(0, 0) << QRectF(0, 0, 400, 600) << QRectF() << portrait;
        // clang-format on
    }
    void placeOnPage() {
        QFETCH(QSizeF, area);
        QFETCH(QRectF, printable);
        QFETCH(QRectF, target);
        QFETCH(int, orientation);
        QCOMPARE(ombrana::placeOnPage(area, printable), target);
        QCOMPARE(int(orientationFor(area)), orientation);
    }

    // The page, the printer's own sheet turned to landscape and named after
    // the window, shows the designed area, ground and controls, scaled into
    // the middle of what the printer prints, and not the maximised window's
    // empty ground.
    void printsTheAreaScaledIntoThePage() {
        auto* w = qobject_cast<DesignedWindow*>(computedFilterWindow());
        QVERIFY(w);
        const PrintedPage printed = printedBy(w);
        QCOMPARE(printed.docName, w->windowTitle().simplified());
        const QImage& page = printed.image;
        QCOMPARE(page.size(), sheet(PrintedPage::kSinkOwnSize, QPageLayout::Landscape));

        const QRect target = ombrana::placeOnPage(w->area()->size(), printed.printable).toAlignedRect();
        // The ground fills the target, give or take the pixel its edges round to.
        const QRect box = tealBox(page);
        const QMargins pixel(1, 1, 1, 1);
        QVERIFY2(box.marginsAdded(pixel).contains(target) && target.marginsAdded(pixel).contains(box),
                 qPrintable(
                     QStringLiteral("teal %1,%2 %3x%4").arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height())));
        // The controls are drawn too, at the same scale: the orange input frame.
        FIND_CHILD(QWidget, frame, w->area(), QStringLiteral("Frame1"));
        const QPoint centre = frame->geometry().center();
        const double scale = double(target.width()) / w->area()->width();
        QCOMPARE(page.pixelColor(target.topLeft() + centre * scale), w->area()->grab().toImage().pixelColor(centre));
    }

    // The verification window's "Stampa" takes the same path: its build
    // sheet on an upright A4 page.
    void buildSheetTakesTheSamePath() {
        QWidget* w = computedVerificationWindow();
        QVERIFY(w);
        const PrintedPage printed = printedBy(w);
        QVERIFY(!printed.docName.isEmpty());
        QCOMPARE(printed.image.size(), sheet(QPageSize::A4, QPageLayout::Portrait));
        const qsizetype area = qsizetype(printed.image.width()) * printed.image.height();
        QVERIFY2(countPixels(printed.image).notWhite > area / 20, "the page is blank");
    }

    void printsThePageOnThePdfPrinter() {
        const QString output = qEnvironmentVariable("OMBRANA_PRINT_OUTPUT_DIR");
        if (output.isEmpty()) QSKIP("no PDF printer set up (OMBRANA_PRINT_OUTPUT_DIR)");
        QVERIFY2(!QPrinterInfo::defaultPrinter().isNull(), "no default printer");
        QWidget* w = computedFilterWindow();
        QVERIFY(w);
        const QImage page = printedOnPdfPrinter(w, output, 40);
        QVERIFY(!page.isNull());
        const PixelCount c = countPixels(page);
        const qsizetype area = qsizetype(page.width()) * page.height();
        qInfo("page %dx%d: %lld non-white, %lld teal", page.width(), page.height(), (long long)c.notWhite,
              (long long)c.teal);
        QVERIFY2(c.notWhite > area / 20, "the page is blank");
        QVERIFY2(c.teal > area / 50, "the window's teal ground is not on the page");
        // A wide window is printed along the sheet's length (CUPS hands a
        // landscape job over turned on a portrait sheet), filling it, centred.
        const QRect box = tealBox(page);
        qInfo("teal box %d,%d %dx%d", box.x(), box.y(), box.width(), box.height());
        QVERIFY2((box.width() > box.height()) == (page.width() > page.height()),
                 "the drawing does not lie along the sheet");
        QVERIFY2(qMax(box.width(), box.height()) > qMax(page.width(), page.height()) * 0.85,
                 "the drawing does not fill the page");
        QVERIFY(qAbs(box.left() - (page.width() - 1 - box.right())) < page.width() / 30);
        QVERIFY(qAbs(box.top() - (page.height() - 1 - box.bottom())) < page.height() / 30);
    }

    // The verification window's build sheet on the same printer: an upright
    // A4 page, 15 mm clear of every edge.
    void printsTheBuildSheetOnThePdfPrinter() {
        const QString output = qEnvironmentVariable("OMBRANA_PRINT_OUTPUT_DIR");
        if (output.isEmpty()) QSKIP("no PDF printer set up (OMBRANA_PRINT_OUTPUT_DIR)");
        QWidget* w = computedVerificationWindow();
        QVERIFY(w);
        const QImage page = printedOnPdfPrinter(w, output, 80);
        QVERIFY(!page.isNull());
        const double mm = 80 / 25.4;
        QVERIFY(qAbs(page.width() - 210 * mm) < 3 && qAbs(page.height() - 297 * mm) < 3);
        // Ink at 15 mm from the edges; the title's letters start a little
        // below the top of their line.
        const QRect ink = inkBox(page);
        const QRectF inside = QRectF(page.rect()).adjusted(14.4 * mm, 14.4 * mm, -14.4 * mm, -14.4 * mm);
        const QRectF outside = QRectF(page.rect()).adjusted(15.6 * mm, 17 * mm, -15.6 * mm, -15.6 * mm);
        QVERIFY2(
            inside.contains(ink) && QRectF(ink).contains(outside),
            qPrintable(QStringLiteral("ink %1,%2 %3x%4").arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
    }

    void withoutPrinterNothingHappens() {
        if (!qEnvironmentVariable("OMBRANA_PRINT_OUTPUT_DIR").isEmpty()) QSKIP("a printer is set up for this run");
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
        QWidget* w = computedFilterWindow();
        QVERIFY(w);
        FIND_CHILD(QAction, stampa, w, QStringLiteral("stampa"));
        QHash<QObject*, QString> texts;
        for (QLineEdit* e : w->findChildren<QLineEdit*>()) texts.insert(e, e->text());
        for (QLabel* l : w->findChildren<QLabel*>()) texts.insert(l, l->text());
        const int windowsBefore = QApplication::topLevelWidgets().size();

        DialogWatcher watcher;
        QElapsedTimer t;
        t.start();
        stampa->trigger();
        qInfo("Stampa returned after %lld ms", (long long)t.elapsed());
        QApplication::processEvents();

        QVERIFY2(watcher.seen().isEmpty(), qPrintable(watcher.seen().join(", ")));
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
        QVERIFY(finestre().isOpen(nomi::passaBassoPiGreco));
        for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
            const QString ora = qobject_cast<QLineEdit*>(it.key()) ? qobject_cast<QLineEdit*>(it.key())->text()
                                                                   : qobject_cast<QLabel*>(it.key())->text();
            QCOMPARE(ora, it.value());
        }
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
