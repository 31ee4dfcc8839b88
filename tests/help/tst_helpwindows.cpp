#include "app/CellDrawing.h"
#include "app/ControlTable.h"
#include "app/DesignedWindow.h"
#include "app/Fonts.h"
#include "app/FramePanel.h"
#include "app/WindowNames.h"
#include "app/WindowPrinter.h"
#include "help/HelpWindows.h"
#include "tests/support/WindowTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

using namespace ombrana;

namespace {

QString blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

QRect twips(int left, int top, int width, int height) {
    using design::twipsToPixels;
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

QString textOf(QWidget* window, const char* box = "Text1") {
    auto* text = test::child<QPlainTextEdit>(window, QString::fromLatin1(box));
    return text ? text->toPlainText() : QString();
}

int topLevelsNamed(const QString& name) {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) ++n;
    return n;
}

const QString kLowPassPbt = QString::fromUtf8(
    "Il filtro ad una cella rappresentato, ha lo scopo di \nridurre il transito di segnali sopra la frequenza di "
    "taglio \nimpostata,  permettendo il transito dei segnali inferiori.");
const QString kHighPassGreco = QString::fromUtf8(
    "Il filtro ad una cella rappresentato, ha lo scopo di ridurre il \ntransito di segnali , sotto la frequenza di "
    "taglio impostata,       \npermettendo il transito dei segnali superiori.");

}  // namespace

class TestHelpWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void readme_data();
    void readme();
    void generalReadmeHas68Lines();
    void readmeFigures_data();
    void readmeFigures();
    void readmeWordsMatchAcrossVariants_data();
    void readmeWordsMatchAcrossVariants();
    void readmeStaysOpenWhenOpenerCloses();

    void exampleTexts_data();
    void exampleTexts();
    void exampleFrames_data();
    void exampleFrames();
    void exampleWindowLook_data();
    void exampleWindowLook();
    void rowsReadAsOneFilter_data();
    void rowsReadAsOneFilter();
    void chiudiLeavesMenuInFront_data();
    void chiudiLeavesMenuInFront();
    void stampaPrintsTheWindow_data();
    void stampaPrintsTheWindow();
};

void TestHelpWindows::initTestCase() {
    installFontSubstitutes();
    registerHelpWindows();
    // The real menu lives in another library; a plain window stands in for it.
    finestre().registerWindow(nomi::menu, [] {
        auto* w = new QWidget;
        w->resize(200, 100);
        return w;
    });
}

void TestHelpWindows::cleanup() {
    setPrintSinkForTests({});
    test::closeAllWindows();
}

void TestHelpWindows::readme_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("scrolls");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<double>("points");

    QTest::newRow("general") << nomi::leggimiMenu << QStringLiteral("LEGGIMI") + blanks(36)
                             << QString::fromUtf8(
                                    "L'argomento esposto tratta la costruzione di semplici filtri per "
                                    "HF e VHF,") +
                                    blanks(35) +
                                    QString::fromUtf8(
                                        "\nfornendo i valori di capacit\u00e0 e d'induttanza, occorrenti "
                                        "per le seguenti soluzioni:\n")
                             << true << twips(120, 120, 11775, 8535) << 12.0;
    QTest::newRow("low-pass pi") << nomi::leggimiPassaBassoPiGreco
                                 << QStringLiteral("LEGGIMI") + blanks(57) +
                                        QStringLiteral("PASSA  BASSO  a  PI - GRECO")
                                 << QString::fromUtf8(
                                        "Il filtro ad una cella rappresentato, ha lo scopo di ridurre \nil transito di "
                                        "segnali sopra la frequenza di taglio \nimpostata,  permettendo il transito "
                                        "dei segnali inferiori.")
                                 << false << twips(1800, 840, 8175, 6135) << 13.5;
    QTest::newRow("low-pass T") << nomi::leggimiPassaBassoT
                                << QStringLiteral("LEGGIMI") + blanks(64) + QStringLiteral("PASSA  BASSO") + blanks(3) +
                                       QStringLiteral("a  T")
                                << kLowPassPbt << false << twips(2040, 840, 7935, 6255) << 13.5;
    QTest::newRow("high-pass pi") << nomi::leggimiPassaAltoPiGreco
                                  << QStringLiteral("LEGGIMI") + blanks(56) + QStringLiteral("PASSA  ALTO  PI - GRECO")
                                  << kHighPassGreco << false << twips(1560, 840, 8655, 5895) << 13.5;
    QTest::newRow("high-pass T") << nomi::leggimiPassaAltoT
                                 << QStringLiteral("LEGGIMI") + blanks(55) + QStringLiteral("PASSA  ALTO  a  T")
                                 << QString(kHighPassGreco)
                                        .remove(QStringLiteral("impostata,"))
                                        .insert(kHighPassGreco.indexOf(QStringLiteral("impostata,")),
                                                QStringLiteral("impostata"))
                                 << false << twips(1680, 1080, 8535, 6615) << 13.5;
    QTest::newRow("toroids") << nomi::leggimiToroidi
                             << QStringLiteral("LEGGIMI") + blanks(63) + QStringLiteral("TOROIDI") + blanks(23)
                             << QString::fromUtf8(
                                    "I nuclei toroidali AMIDON in argomento, sono costituiti in \"pulviferro\"(polvere "
                                    "di \nferro),la cui sigla \u00e8 \" T \", diversa dai toroidi in ferrite con sigla "
                                    "\" FT \".")
                             << true << twips(240, 120, 11415, 8535) << 13.5;
}

// Each read-me opens once, with its caption, its text box where the design
// puts it, the quoted opening exactly as stored, one line of the box per
// stored line, and a scroll bar only on the two long texts, the others
// fitting in their box.
void TestHelpWindows::readme() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, start);
    QFETCH(bool, scrolls);
    QFETCH(QRect, box);
    QFETCH(double, points);

    QWidget* w = test::openWindow(name);
    QVERIFY(w);
    QCOMPARE(finestre().open(name), w);
    QCOMPARE(topLevelsNamed(name), 1);
    QCOMPARE(w->windowTitle(), caption);
    QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(w->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
    QVERIFY(w->isMaximized() || w->windowState() & Qt::WindowMaximized);

    // No button and no menu: the title bar closes it.
    QVERIFY(w->findChildren<QPushButton*>().isEmpty());
    auto* main = qobject_cast<QMainWindow*>(w);
    QVERIFY(main);
    QVERIFY(!main->menuWidget());

    auto* text = test::child<QPlainTextEdit>(w, QStringLiteral("Text1"));
    QVERIFY(text);
    QCOMPARE(text->geometry(), box);
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->font().pointSizeF(), points);
    QVERIFY(text->font().bold());
    QCOMPARE(text->palette().color(QPalette::Base), QColor(0xC0, 0xFF, 0xFF));

    const QString content = text->toPlainText();
    QVERIFY2(content.startsWith(start), qPrintable(content.left(start.size() + 20)));
    const QStringList lines = start.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size() - 1; ++i) QCOMPARE(text->document()->findBlockByNumber(i).text(), lines[i]);

    QCOMPARE(text->verticalScrollBarPolicy(), scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    QCOMPARE(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    if (scrolls)
        QVERIFY(text->verticalScrollBar()->maximum() > 0);
    else
        QCOMPARE(text->verticalScrollBar()->maximum(), 0);
}

void TestHelpWindows::generalReadmeHas68Lines() {
    QWidget* w = test::openWindow(nomi::leggimiMenu);
    QVERIFY(w);
    const QString text = textOf(w);
    QCOMPARE(text.split(QLatin1Char('\n')).size(), 68);
    QCOMPARE(test::child<QPlainTextEdit>(w, QStringLiteral("Text1"))->document()->blockCount(), 68);
}

void TestHelpWindows::readmeFigures_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fragment");
    const QString general = nomi::leggimiMenu;
    for (const char* f :
         {"24 dB per ottava", "100 MHz", "24 dB a 50 MHz", "48 dB a 25 MHz", "48 dB a 50 MHz", "72 dB a 25 MHz",
          "15 MHz", "24 dB a 30 MHz", "48 dB a 60 MHz", "10 %", "QUENDAL", "\"INDUTTANZA\"", "NB"})
        QTest::addRow("general %s", f) << general << QString::fromUtf8(f);
    for (const char* f : {"25\u00b0", "30\u00b0", "\"/ 3\"", "tabella 1", "tabella 2", "tabella 3", "NB :"})
        QTest::addRow("toroids %s", f) << nomi::leggimiToroidi << QString::fromUtf8(f);
    for (const QString* name : {&nomi::leggimiPassaBassoPiGreco, &nomi::leggimiPassaBassoT,
                                &nomi::leggimiPassaAltoPiGreco, &nomi::leggimiPassaAltoT})
        QTest::addRow("%s button", qPrintable(*name)) << *name << QStringLiteral("\"INDUTTANZA \"");
}

// The figures and the names the texts refer to are all there; no credits
// line carries an address.
void TestHelpWindows::readmeFigures() {
    QFETCH(QString, name);
    QFETCH(QString, fragment);
    QWidget* w = test::openWindow(name);
    QVERIFY(w);
    const QString text = textOf(w);
    QVERIFY2(text.contains(fragment), qPrintable(fragment));
    QVERIFY(!text.contains(QLatin1Char('@')));
    QVERIFY(!text.contains(QStringLiteral("http")));
}

void TestHelpWindows::readmeWordsMatchAcrossVariants_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("pastOpening");  // compare only what follows the opening sentence
    QTest::newRow("low-pass pair") << nomi::leggimiPassaBassoPiGreco << nomi::leggimiPassaBassoT << false;
    QTest::newRow("high-pass pair") << nomi::leggimiPassaAltoPiGreco << nomi::leggimiPassaAltoT << true;
    QTest::newRow("low and high") << nomi::leggimiPassaBassoT << nomi::leggimiPassaAltoT << true;
}

// Variants of a read-me say the same words; only the line breaks differ.
void TestHelpWindows::readmeWordsMatchAcrossVariants() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, pastOpening);
    QWidget* a = test::openWindow(first);
    QWidget* b = test::openWindow(second);
    QVERIFY(a && b);
    const auto words = [pastOpening](const QString& text) {
        // The opening sentence ends with "inferiori." or "superiori.".
        const QString rest = pastOpening ? text.mid(text.indexOf(QStringLiteral("riori.")) + 6) : text;
        return rest.simplified().split(QLatin1Char(' '));
    };
    const QString ta = textOf(a), tb = textOf(b);
    QVERIFY(ta != tb);
    const QStringList wa = words(ta), wb = words(tb);
    QVERIFY(wa.size() > 40);
    QCOMPARE(wa, wb);
}

void TestHelpWindows::readmeStaysOpenWhenOpenerCloses() {
    QWidget* opener = test::openWindow(nomi::menu);
    QWidget* readme = test::openWindow(nomi::leggimiMenu);
    QVERIFY(opener && readme);
    QPointer<QWidget> guard(readme);
    opener->close();
    QTRY_VERIFY(!finestre().isOpen(nomi::menu));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard);
    QVERIFY(readme->isVisible());
    QCOMPARE(finestre().find(nomi::leggimiMenu), readme);
}

void TestHelpWindows::exampleTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("esempi 1") << nomi::esempi << "Text1"
                              << QString::fromUtf8(
                                     "Per aumentare i dB di \nattenuazione per ottava, si \npossono collegare in serie "
                                     "pi\u00f9 \ncelle.In questo esempio, un \nfiltro Passa Basso a Pi  Greco "
                                     "\ncomposto da due celle \u00e8 in \ngrado di attenuare  48 dB per ottava.")
                              << twips(0, 360, 3255, 2415);
    QTest::newRow("esempi 2") << nomi::esempi << "Text2"
                              << QString::fromUtf8(
                                     "Un filtro Passa Basso a  T \ncomposto da due celle, \u00e8 in \ngrado di "
                                     "attenuare 48 dB per \nottava.\n")
                              << twips(0, 3120, 3255, 2415);
    QTest::newRow("esempi 3") << nomi::esempi << "Text3"
                              << QString::fromUtf8(
                                     "Utilizzando tre celle,si pu\u00f2 ottenere un'attenuazione di 72 dB per "
                                     "ottava.\n")
                              << twips(0, 5880, 3255, 1800);
    QTest::newRow("band 1") << nomi::passabanda << "Text1"
                            << QString::fromUtf8(
                                   "Filtro Passa Banda \ncomposto\t da un filtro \nPassa Alto a T calcolato \nper la "
                                   "frequenza  pi\u00f9 \nbassa che dovr\u00e0 \npassare, e da un filtro \nPassa Basso "
                                   "a Pi-Greco \ncalcolato per la \nfrequenza pi\u00f9 alta che \ndovr\u00e0 passare\n")
                            << twips(240, 1080, 2775, 2655);
    QTest::newRow("band 2") << nomi::passabanda << "Text2"
                            << QString::fromUtf8(
                                   "Filtro Passa Banda \ncomposto da un filtro \nPassa Alto a Pi-Greco \ncalcolato per "
                                   "la pi\u00f9 \nbassa frequenza che \ndovr\u00e0 passare, e da un \nfiltro Passa "
                                   "Basso a \nPi-Greco calcolato per la \nfrequenza pi\u00f9 alta che \ndovr\u00e0 "
                                   "passare\n")
                            << twips(240, 5040, 2775, 2535);
}

void TestHelpWindows::exampleTexts() {
    QFETCH(QString, name);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    QWidget* w = test::openWindow(name);
    QVERIFY(w);
    auto* edit = test::child<QPlainTextEdit>(w, box);
    QVERIFY(edit);
    QCOMPARE(edit->toPlainText(), text);
    QCOMPARE(edit->document()->blockCount(), int(text.count(QLatin1Char('\n'))) + 1);
    QCOMPARE(edit->geometry(), geometry);
    QCOMPARE(edit->font().pointSizeF(), 9.75);
    QVERIFY(edit->font().bold());
    QCOMPARE(edit->palette().color(QPalette::Base), QColor(0xC0, 0xFF, 0xFF));
}

void TestHelpWindows::exampleFrames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QColor>("ground");
    QTest::addColumn<TipoCella>("layout");
    const QString lowPi = QStringLiteral("Cella Passa Basso  Pi - Greco");
    const QColor yellow(0xFF, 0xFF, 0xC0), orange(0xFF, 0xC0, 0x80), green(0xC0, 0xFF, 0xC0), blue(0, 0, 0x80);
    QTest::newRow("esempi 1") << nomi::esempi << "Frame1" << lowPi << twips(3360, 360, 4215, 2415) << yellow
                              << TipoCella::PassaBassoPiGreco;
    QTest::newRow("esempi 2") << nomi::esempi << "Frame2" << lowPi << twips(7560, 360, 4215, 2415) << yellow
                              << TipoCella::PassaBassoPiGreco;
    QTest::newRow("esempi 3") << nomi::esempi << "Frame3"
                              << "Cella Passa Basso a T" << twips(3360, 3120, 4215, 2415) << orange
                              << TipoCella::PassaBassoT;
    QTest::newRow("esempi 4") << nomi::esempi << "Frame4"
                              << "Cella Passa Basso a T" << twips(7560, 3120, 4215, 2415) << orange
                              << TipoCella::PassaBassoT;
    QTest::newRow("esempi 5") << nomi::esempi << "Frame5" << lowPi << twips(3360, 5880, 3015, 2415) << green
                              << TipoCella::PassaBassoPiGreco;
    QTest::newRow("esempi 6") << nomi::esempi << "Frame6" << lowPi << twips(6360, 5880, 2655, 2415) << green
                              << TipoCella::PassaBassoPiGreco;
    QTest::newRow("esempi 7") << nomi::esempi << "Frame7" << lowPi << twips(9000, 5880, 2775, 2415) << green
                              << TipoCella::PassaBassoPiGreco;
    QTest::newRow("band 1") << nomi::passabanda << "Frame1"
                            << "Cella Passa Alto a T" << twips(3240, 1080, 4215, 2655) << blue << TipoCella::PassaAltoT;
    QTest::newRow("band 2") << nomi::passabanda << "Frame2" << lowPi << twips(7440, 1080, 4215, 2655) << blue
                            << TipoCella::PassaBassoPiGreco;
    QTest::newRow("band 3") << nomi::passabanda << "Frame3"
                            << "Cella  Passa Alto   Pi - Greco" << twips(3240, 5040, 4215, 2535) << blue
                            << TipoCella::PassaAltoPiGreco;
    QTest::newRow("band 4") << nomi::passabanda << "Frame4" << lowPi << twips(7440, 5040, 4215, 2535) << blue
                            << TipoCella::PassaBassoPiGreco;
}

void TestHelpWindows::exampleFrames() {
    QFETCH(QString, name);
    QFETCH(QString, frame);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(QColor, ground);
    QFETCH(TipoCella, layout);
    QWidget* w = test::openWindow(name);
    QVERIFY(w);
    auto* f = test::child<FramePanel>(w, frame);
    QVERIFY(f);
    QCOMPARE(f->caption(), caption);
    QCOMPARE(f->geometry(), geometry);
    QCOMPARE(f->palette().color(QPalette::Window), ground);
    auto* cell = f->findChild<CellDrawing*>();
    QVERIFY(cell);
    QCOMPARE(cell->tipo(), layout);
    // The drawing spans the frame so its rails meet the neighbours'.
    QCOMPARE(cell->x(), 0);
    QCOMPARE(cell->width(), f->width());
}

void TestHelpWindows::exampleWindowLook_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QPoint>("chiudi");
    QTest::newRow("esempi") << nomi::esempi << "ESEMPI" << twips(1080, 7920, 0, 0).topLeft();
    QTest::newRow("band") << nomi::passabanda
                          << QStringLiteral("PASSA  BANDA") + blanks(67) + "by" + blanks(4) + "QUENDAL" + blanks(46) +
                                 "rev 1.02"
                          << twips(1080, 4200, 0, 0).topLeft();
}

void TestHelpWindows::exampleWindowLook() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QPoint, chiudi);
    QWidget* w = test::openWindow(name);
    QVERIFY(w);
    QCOMPARE(finestre().open(name), w);
    QCOMPARE(topLevelsNamed(name), 1);
    QCOMPARE(w->windowTitle(), caption);
    auto* button = test::child<QPushButton>(w, QStringLiteral("Command1"));
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("CHIUDI"));
    QCOMPARE(button->pos(), chiudi);
    for (const QPlainTextEdit* text : w->findChildren<QPlainTextEdit*>())
        QVERIFY2(!text->geometry().intersects(button->geometry()), qPrintable(text->objectName()));
    QCOMPARE(button->palette().color(QPalette::Button), QColor(Qt::yellow));
    auto* stampa = w->findChild<QAction*>(QStringLiteral("stampa"));
    QVERIFY(stampa);
    QCOMPARE(stampa->text(), QStringLiteral("Stampa"));
    if (name == nomi::passabanda) {
        auto* heading = test::child<QLabel>(w, QStringLiteral("Label1"));
        QVERIFY(heading);
        QCOMPARE(heading->text(), QStringLiteral("PASSA  BANDA"));
        QCOMPARE(heading->font().pointSizeF(), 24.0);
        QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(Qt::red));
    }
}

void TestHelpWindows::rowsReadAsOneFilter_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QColor>("wire");
    QTest::newRow("esempi row 1") << nomi::esempi << "Frame1"
                                  << "Frame2" << QColor(Qt::black);
    QTest::newRow("esempi row 2") << nomi::esempi << "Frame3"
                                  << "Frame4" << QColor(Qt::black);
    QTest::newRow("esempi row 3a") << nomi::esempi << "Frame5"
                                   << "Frame6" << QColor(Qt::black);
    QTest::newRow("esempi row 3b") << nomi::esempi << "Frame6"
                                   << "Frame7" << QColor(Qt::black);
    QTest::newRow("band row 1") << nomi::passabanda << "Frame1"
                                << "Frame2" << QColor(Qt::white);
    QTest::newRow("band row 2") << nomi::passabanda << "Frame3"
                                << "Frame4" << QColor(Qt::white);
}

// Neighbouring frames overlap by one pixel, and both rails run through the
// joint at the same height.
void TestHelpWindows::rowsReadAsOneFilter() {
    QFETCH(QString, name);
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QColor, wire);
    QWidget* w = test::openWindow(name);
    QVERIFY(w);
    auto* a = test::child<QWidget>(w, left);
    auto* b = test::child<QWidget>(w, right);
    QVERIFY(a && b);
    QCOMPARE(a->geometry().right(), b->geometry().left());
    auto* cell = a->findChild<CellDrawing*>();
    QVERIFY(cell);
    const QImage image = w->grab().toImage();
    const double scale = cell->logicalDpiX() / 1440.0;
    const CellRails rails = CellDrawing::rails(cell->height(), {.railsToEdges = true}, scale);
    for (const double y : {rails.top, rails.bottom}) {
        const QPoint joint = cell->mapTo(w, QPoint(cell->width() - 1, int(y)));
        bool found = false;
        for (int dy = -1; dy <= 1 && !found; ++dy)
            for (int dx = -2; dx <= 2 && !found; ++dx) found = image.pixelColor(joint + QPoint(dx, dy)) == wire;
        QVERIFY2(found, qPrintable(QStringLiteral("rail at %1").arg(y)));
    }
}

void TestHelpWindows::chiudiLeavesMenuInFront_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("esempi") << nomi::esempi;
    QTest::newRow("band") << nomi::passabanda;
}

void TestHelpWindows::chiudiLeavesMenuInFront() {
    QFETCH(QString, name);
    QWidget* readme = test::openWindow(nomi::leggimiToroidi);
    QWidget* w = test::openWindow(name);
    QVERIFY(readme && w);
    QVERIFY(!finestre().isOpen(nomi::menu));
    test::click(w, QStringLiteral("Command1"));
    QTRY_VERIFY(!finestre().isOpen(name));
    QVERIFY(finestre().isOpen(nomi::menu));
    QVERIFY(finestre().find(nomi::menu)->isVisible());
    // Nothing else is closed.
    QVERIFY(finestre().isOpen(nomi::leggimiToroidi));
}

void TestHelpWindows::stampaPrintsTheWindow_data() {
    chiudiLeavesMenuInFront_data();
}

void TestHelpWindows::stampaPrintsTheWindow() {
    QFETCH(QString, name);
    QList<QImage> printed;
    setPrintSinkForTests([&printed](const QImage& image) { printed << image; });
    QWidget* w = test::openWindow(name);
    QVERIFY(w);
    auto* stampa = w->findChild<QAction*>(QStringLiteral("stampa"));
    QVERIFY(stampa);
    stampa->trigger();
    QCOMPARE(printed.size(), 1);
    QCOMPARE(printed.first().size(), qobject_cast<DesignedWindow*>(w)->area()->size() * w->devicePixelRatio());
    QVERIFY(finestre().isOpen(name));
}

QTEST_MAIN(TestHelpWindows)
#include "tst_helpwindows.moc"
