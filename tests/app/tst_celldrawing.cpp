#include "app/CellDrawing.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace ombrana;

namespace {

// Colours that the drawing's parts cannot mix up.
const QColor kGround(0x00, 0x00, 0x80);
const QColor kWire(0x00, 0xFF, 0x00);
const QColor kPlate(0x00, 0xC0, 0xFF);
const QColor kHatch(0xFF, 0x00, 0x00);
const QColor kText(0xFF, 0x00, 0xFF);
constexpr double kScale = 1.0 / 15;  // pixels per twip at 96 dpi

CellStyle testStyle() {
    CellStyle s;
    s.wire = kWire;
    s.plate = kPlate;
    s.coilBorder = QColor(0xFF, 0xFF, 0x00);
    s.hatch = kHatch;
    s.text = kText;
    return s;
}

QImage render(TipoCella layout, const CellOptions& options, QSize size = {281, 145}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kGround);
    QPainter p(&image);
    CellDrawing::paint(p, QRectF(QPointF(0, 0), QSizeF(size)), layout, testStyle(), options, kScale);
    return image;
}

// Whether the colour appears anywhere in the rectangle (clipped to the image).
bool has(const QImage& image, QRect r, const QColor& colour) {
    r &= image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixelColor(x, y) == colour) return true;
    return false;
}

// The rail drawn with width 2 at a fractional height covers one of these rows.
bool wireAt(const QImage& image, int x, double y) {
    return has(image, QRect(x, int(y) - 1, 1, 3), kWire);
}

}  // namespace

class TestCellDrawing : public QObject {
    Q_OBJECT
private slots:
    void rails_data();
    void rails();
    void elementsStandWhereTheLayoutSays_data();
    void elementsStandWhereTheLayoutSays();
    void chainedRailsLineUpWithAndWithoutGround();
};

void TestCellDrawing::rails_data() {
    QTest::addColumn<TipoCella>("layout");
    QTest::addColumn<bool>("toEdges");
    QTest::addColumn<bool>("ground");
    const std::pair<const char*, TipoCella> layouts[] = {{"lowPi", TipoCella::PassaBassoPiGreco},
                                                         {"highPi", TipoCella::PassaAltoPiGreco},
                                                         {"lowT", TipoCella::PassaBassoT},
                                                         {"highT", TipoCella::PassaAltoT}};
    for (const auto& [name, layout] : layouts)
        for (bool edges : {false, true})
            for (bool ground : {false, true})
                QTest::addRow("%s %s %s", name, edges ? "edges" : "ports", ground ? "ground" : "bare")
                    << layout << edges << ground;
}

// The rails reach the frame edges only when chained; the ground sign hangs
// under the middle of the bottom rail only when asked for; every cell shows
// its capacitor plates and its coil hatch.
void TestCellDrawing::rails() {
    QFETCH(TipoCella, layout);
    QFETCH(bool, toEdges);
    QFETCH(bool, ground);
    CellOptions options;
    options.railsToEdges = toEdges;
    options.ground = ground;
    const QImage image = render(layout, options);
    const CellRails r = CellDrawing::rails(image.height(), options, kScale);
    QVERIFY(r.top > 0 && r.bottom > r.top && r.bottom < image.height());

    const int last = image.width() - 1;
    QCOMPARE(wireAt(image, 0, r.top), toEdges);
    QCOMPARE(wireAt(image, last, r.top), toEdges);
    QCOMPARE(wireAt(image, 0, r.bottom), toEdges);
    QCOMPARE(wireAt(image, last, r.bottom), toEdges);
    // With ports the rails end at the port lines, a little way in.
    QVERIFY(wireAt(image, 20, r.bottom));

    // The lowest stroke of the ground sign: 360 twips below the bottom rail.
    const double lowest = r.bottom + 360 * kScale;
    QCOMPARE(wireAt(image, image.width() / 2, lowest), ground);
    QVERIFY(!has(image, QRect(0, int(r.bottom) + 3, image.width(), image.height()), kPlate));

    QVERIFY(has(image, image.rect(), kPlate));
    QVERIFY(has(image, image.rect(), kHatch));
    QVERIFY(has(image, image.rect(), kText));
}

void TestCellDrawing::elementsStandWhereTheLayoutSays_data() {
    // From input to output: C or L, in the top rail (series) or between the
    // rails (shunt).
    QTest::addColumn<TipoCella>("layout");
    QTest::addColumn<QString>("elements");
    QTest::newRow("low-pass pi") << TipoCella::PassaBassoPiGreco << "C shunt,L series,C shunt";
    QTest::newRow("high-pass pi") << TipoCella::PassaAltoPiGreco << "L shunt,C series,L shunt";
    QTest::newRow("low-pass T") << TipoCella::PassaBassoT << "L series,C shunt,L series";
    QTest::newRow("high-pass T") << TipoCella::PassaAltoT << "C series,L shunt,C series";
}

void TestCellDrawing::elementsStandWhereTheLayoutSays() {
    QFETCH(TipoCella, layout);
    QFETCH(QString, elements);
    CellOptions options;
    options.railsToEdges = true;
    options.coilLengthTwips = (layout == TipoCella::PassaBassoT || layout == TipoCella::PassaAltoT) ? 735 : 855;
    const QImage image = render(layout, options);
    const CellRails r = CellDrawing::rails(image.height(), options, kScale);
    const double mid = (r.top + r.bottom) / 2;
    const double where[3] = {0.22, 0.5, 0.78};
    const QStringList list = elements.split(QLatin1Char(','));
    QCOMPARE(list.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const bool capacitor = list[i].startsWith(QLatin1Char('C'));
        const bool series = list[i].endsWith(QLatin1String("series"));
        const QColor colour = capacitor ? kPlate : kHatch;
        const int x = int(image.width() * where[i]);
        const QRect onTopRail(x - 4, int(r.top) - 3, 9, 7);
        const QRect betweenRails(x - 4, int(mid) - 5, 9, 11);
        QVERIFY2(has(image, onTopRail, colour) == series, qPrintable(list[i]));
        QVERIFY2(has(image, betweenRails, colour) == !series, qPrintable(list[i]));
    }
}

// Two chained cells of one row, one with a ground sign and one without,
// keep their rails at the same heights so that they join.
void TestCellDrawing::chainedRailsLineUpWithAndWithoutGround() {
    CellOptions withGround;
    withGround.railsToEdges = true;
    CellOptions without = withGround;
    without.ground = false;
    const CellRails a = CellDrawing::rails(161, withGround, kScale);
    const CellRails b = CellDrawing::rails(161, without, kScale);
    QCOMPARE(a.top, b.top);
    QCOMPARE(a.bottom, b.bottom);

    const QImage left = render(TipoCella::PassaAltoT, without, {281, 161});
    const QImage right = render(TipoCella::PassaBassoPiGreco, withGround, {281, 161});
    QVERIFY(wireAt(left, left.width() - 1, b.bottom));
    QVERIFY(wireAt(right, 0, a.bottom));
}

QTEST_MAIN(TestCellDrawing)
#include "tst_celldrawing.moc"
