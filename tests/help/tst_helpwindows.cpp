#include "app/ControlTable.h"
#include "app/DesignedWindow.h"
#include "app/Fonts.h"
#include "app/FramePanel.h"
#include "app/LadderDrawing.h"
#include "app/WindowNames.h"
#include "app/WindowPrinter.h"
#include "help/HelpWindows.h"
#include "help/ReadmeWindow.h"
#include "tests/support/WindowTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScrollBar>

using namespace ombrana;

namespace {

QRect twips(int left, int top, int width, int height) {
    using design::twipsToPixels;
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

QString textOf(QWidget* window, const char* box = "Text1") {
    FIND_CHILD(QPlainTextEdit, text, window, QString::fromLatin1(box), QString());
    return text->toPlainText();
}

int topLevelsNamed(const QString& name) {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) ++n;
    return n;
}

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
    QTest::addColumn<bool>("scrolls");
    for (const ReadmeVariant& v : readmeVariants())
        QTest::newRow(qPrintable(*v.windowName)) << *v.windowName << v.scrollBar;
}

// Each read-me opens once, maximised, closed only from its title bar: no
// button and no menu. Its text is read-only, and a scroll bar stands only
// beside a text that needs one: the others fit in their box.
void TestHelpWindows::readme() {
    QFETCH(QString, name);
    QFETCH(bool, scrolls);

    QWidget* w = test::openWindow(name);
    QVERIFY(w);
    QCOMPARE(finestre().open(name), w);
    QCOMPARE(topLevelsNamed(name), 1);
    QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(w->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
    QVERIFY(w->isMaximized() || w->windowState() & Qt::WindowMaximized);

    QVERIFY(w->findChildren<QPushButton*>().isEmpty());
    auto* main = qobject_cast<QMainWindow*>(w);
    QVERIFY(main);
    QVERIFY(!main->menuWidget());

    FIND_CHILD(QPlainTextEdit, text, w, QStringLiteral("Text1"));
    QVERIFY(text->isReadOnly());
    QVERIFY(text->font().bold());
    QVERIFY(!text->toPlainText().isEmpty());
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
    FIND_CHILD(QPlainTextEdit, box, w, QStringLiteral("Text1"));
    const QString text = box->toPlainText();
    QCOMPARE(text.split(QLatin1Char('\n')).size(), 68);
    QCOMPARE(box->document()->blockCount(), 68);
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
    // clang-format off
    QTest::newRow("low-pass pair") << nomi::leggimiPassaBassoPiGreco << nomi::leggimiPassaBassoT << false;
    QTest::newRow("high-pass pair") << nomi::leggimiPassaAltoPiGreco << nomi::leggimiPassaAltoT << true;
    QTest::newRow("low and high") << nomi::leggimiPassaBassoT << nomi::leggimiPassaAltoT << true;
    // clang-format on
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
    // clang-format off
    QTest::newRow("esempi 1") << nomi::esempi << "Text1" << QString::fromUtf8("Per aumentare i dB di \nattenuazione per ottava, si \npossono collegare in serie pi\u00f9 \ncelle.In questo esempio, un \nfiltro Passa Basso a Pi  Greco \ncomposto da due celle \u00e8 in \ngrado di attenuare  48 dB per ottava.") << twips(0, 360, 3255, 2415);
    QTest::newRow("esempi 2") << nomi::esempi << "Text2" << QString::fromUtf8("Un filtro Passa Basso a  T \ncomposto da due celle, \u00e8 in \ngrado di attenuare 48 dB per \nottava.\n") << twips(0, 3120, 3255, 2415);
    QTest::newRow("esempi 3") << nomi::esempi << "Text3" << QString::fromUtf8("Utilizzando tre celle,si pu\u00f2 ottenere un'attenuazione di 72 dB per ottava.\n") << twips(0, 5880, 3255, 1800);
    QTest::newRow("band 1") << nomi::passabanda << "Text1" << QString::fromUtf8("Filtro Passa Banda \ncomposto\t da un filtro \nPassa Alto a T calcolato \nper la frequenza  pi\u00f9 \nbassa che dovr\u00e0 \npassare, e da un filtro \nPassa Basso a Pi-Greco \ncalcolato per la \nfrequenza pi\u00f9 alta che \ndovr\u00e0 passare\n") << twips(240, 1080, 2775, 2655);
    QTest::newRow("band 2") << nomi::passabanda << "Text2" << QString::fromUtf8("Filtro Passa Banda \ncomposto da un filtro \nPassa Alto a Pi-Greco \ncalcolato per la pi\u00f9 \nbassa frequenza che \ndovr\u00e0 passare, e da un \nfiltro Passa Basso a \nPi-Greco calcolato per la \nfrequenza pi\u00f9 alta che \ndovr\u00e0 passare\n") << twips(240, 5040, 2775, 2535);
    // clang-format on
}

void TestHelpWindows::exampleTexts() {
    QFETCH(QString, name);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    QWidget* w = test::openWindow(name);
    QVERIFY(w);
    FIND_CHILD(QPlainTextEdit, edit, w, box);
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
    // clang-format off
    QTest::newRow("esempi 1") << nomi::esempi << "Frame1" << lowPi << twips(3360, 360, 4215, 2415) << yellow << TipoCella::PassaBassoPiGreco;
    QTest::newRow("esempi 2") << nomi::esempi << "Frame2" << lowPi << twips(7560, 360, 4215, 2415) << yellow << TipoCella::PassaBassoPiGreco;
    QTest::newRow("esempi 3") << nomi::esempi << "Frame3" << "Cella Passa Basso a T" << twips(3360, 3120, 4215, 2415) << orange << TipoCella::PassaBassoT;
    QTest::newRow("esempi 4") << nomi::esempi << "Frame4" << "Cella Passa Basso a T" << twips(7560, 3120, 4215, 2415) << orange << TipoCella::PassaBassoT;
    QTest::newRow("esempi 5") << nomi::esempi << "Frame5" << lowPi << twips(3360, 5880, 3015, 2415) << green << TipoCella::PassaBassoPiGreco;
    QTest::newRow("esempi 6") << nomi::esempi << "Frame6" << lowPi << twips(6360, 5880, 2655, 2415) << green << TipoCella::PassaBassoPiGreco;
    QTest::newRow("esempi 7") << nomi::esempi << "Frame7" << lowPi << twips(9000, 5880, 2775, 2415) << green << TipoCella::PassaBassoPiGreco;
    QTest::newRow("band 1") << nomi::passabanda << "Frame1" << "Cella Passa Alto a T" << twips(3240, 1080, 4215, 2655) << blue << TipoCella::PassaAltoT;
    QTest::newRow("band 2") << nomi::passabanda << "Frame2" << lowPi << twips(7440, 1080, 4215, 2655) << blue << TipoCella::PassaBassoPiGreco;
    QTest::newRow("band 3") << nomi::passabanda << "Frame3" << "Cella  Passa Alto   Pi - Greco" << twips(3240, 5040, 4215, 2535) << blue << TipoCella::PassaAltoPiGreco;
    QTest::newRow("band 4") << nomi::passabanda << "Frame4" << lowPi << twips(7440, 5040, 4215, 2535) << blue << TipoCella::PassaBassoPiGreco;
    // clang-format on
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
    FIND_CHILD(FramePanel, f, w, frame);
    QCOMPARE(f->caption(), caption);
    QCOMPARE(f->geometry(), geometry);
    QCOMPARE(f->palette().color(QPalette::Window), ground);
    FIND_CHILD(LadderDrawing, drawing, f, QString());
    QCOMPARE(drawing->kind(), layout);
    // The drawing spans the frame so its rails meet the neighbours'.
    QCOMPARE(drawing->x(), 0);
    QCOMPARE(drawing->width(), f->width());
}

void TestHelpWindows::exampleWindowLook_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QPoint>("chiudi");
    // clang-format off
    QTest::newRow("esempi") << nomi::esempi << "ESEMPI" << twips(1080, 7920, 0, 0).topLeft();
    QTest::newRow("band") << nomi::passabanda << QStringLiteral("PASSA  BANDA") + blanks(67) + "by" + blanks(4) + "QUENDAL" + blanks(46) + "rev 1.02" << twips(1080, 4200, 0, 0).topLeft();
    // clang-format on
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
    FIND_CHILD(QPushButton, button, w, QStringLiteral("Command1"));
    QCOMPARE(button->text(), QStringLiteral("CHIUDI"));
    QCOMPARE(button->pos(), chiudi);
    for (const QPlainTextEdit* text : w->findChildren<QPlainTextEdit*>())
        QVERIFY2(!text->geometry().intersects(button->geometry()), qPrintable(text->objectName()));
    QCOMPARE(button->palette().color(QPalette::Button), QColor(Qt::yellow));
    FIND_CHILD(QAction, stampa, w, QStringLiteral("stampa"));
    QCOMPARE(stampa->text(), QStringLiteral("Stampa"));
    if (name == nomi::passabanda) {
        FIND_CHILD(QLabel, heading, w, QStringLiteral("Label1"));
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
    // clang-format off
    QTest::newRow("esempi row 1") << nomi::esempi << "Frame1" << "Frame2" << QColor(Qt::black);
    QTest::newRow("esempi row 2") << nomi::esempi << "Frame3" << "Frame4" << QColor(Qt::black);
    QTest::newRow("esempi row 3a") << nomi::esempi << "Frame5" << "Frame6" << QColor(Qt::black);
    QTest::newRow("esempi row 3b") << nomi::esempi << "Frame6" << "Frame7" << QColor(Qt::black);
    QTest::newRow("band row 1") << nomi::passabanda << "Frame1" << "Frame2" << QColor(Qt::white);
    QTest::newRow("band row 2") << nomi::passabanda << "Frame3" << "Frame4" << QColor(Qt::white);
    // clang-format on
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
    FIND_CHILD(QWidget, a, w, left);
    FIND_CHILD(QWidget, b, w, right);
    QCOMPARE(a->geometry().right(), b->geometry().left());
    FIND_CHILD(LadderDrawing, cell, a, QString());
    const QImage image = w->grab().toImage();
    const double scale = cell->logicalDpiX() / 1440.0;
    const LadderRails rails = LadderDrawing::rails(cell->height(), {.railsToEdges = true}, scale);
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
    // clang-format off
    QTest::newRow("esempi") << nomi::esempi;
    QTest::newRow("band") << nomi::passabanda;
    // clang-format on
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
    QList<PrintedPage> printed;
    setPrintSinkForTests([&printed](const PrintedPage& page) { printed << page; });
    QWidget* w = test::openWindow(name);
    QVERIFY(w);
    FIND_CHILD(QAction, stampa, w, QStringLiteral("stampa"));
    stampa->trigger();
    QCOMPARE(printed.size(), 1);
    QCOMPARE(printed.first().docName, w->windowTitle().simplified());
    const QWidget* area = qobject_cast<DesignedWindow*>(w)->area();
    QCOMPARE(printed.first().image.width() > printed.first().image.height(), area->width() > area->height());
    QVERIFY(finestre().isOpen(name));
}

QTEST_MAIN(TestHelpWindows)
#include "tst_helpwindows.moc"
