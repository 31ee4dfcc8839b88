#include "app/LadderDrawing.h"

#include <QFontMetricsF>
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

DrawingStyle testStyle() {
    DrawingStyle s;
    s.wire = kWire;
    s.plate = kPlate;
    s.coilBorder = QColor(0xFF, 0xFF, 0x00);
    s.hatch = kHatch;
    s.text = kText;
    return s;
}

QImage render(TipoCella layout, const DrawingOptions& options, QSize size = {281, 145}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kGround);
    QPainter p(&image);
    LadderDrawing::paint(p, QRectF(QPointF(0, 0), QSizeF(size)), layout, testStyle(), options, kScale);
    return image;
}

QImage render(std::span<const LadderElement> shape, const DrawingOptions& options, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kGround);
    QPainter p(&image);
    LadderDrawing::paint(p, QRectF(QPointF(0, 0), QSizeF(size)), shape, testStyle(), options, kScale);
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

// Whether every pixel of the colour lies in one of the rectangles.
bool onlyWithin(const QImage& image, const std::vector<QRectF>& boxes, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != colour) continue;
            const QPointF at(x + 0.5, y + 0.5);
            if (std::none_of(boxes.begin(), boxes.end(), [&](const QRectF& b) { return b.contains(at); })) return false;
        }
    return true;
}

QRectF grown(const QRectF& r, double by) {
    return r.adjusted(-by, -by, by, by);
}

// The names of a ladder from input to output, and its placements: "|" for a
// shunt element, "-" for one in series.
struct LadderRow {
    const char* name;
    TipoCella kind;
    int count;
    const char* names;
    const char* placements;
};

// clang-format off
constexpr LadderRow kLadders[] = {
    {"low-pass pi 3",  TipoCella::PassaBassoPiGreco, 3, "C1 L1 C1",                   "|-|"},
    {"low-pass pi 5",  TipoCella::PassaBassoPiGreco, 5, "C1 L1 C2 L1 C1",             "|-|-|"},
    {"low-pass pi 7",  TipoCella::PassaBassoPiGreco, 7, "C1 L1 C2 L2 C2 L1 C1",       "|-|-|-|"},
    {"low-pass pi 9",  TipoCella::PassaBassoPiGreco, 9, "C1 L1 C2 L2 C3 L2 C2 L1 C1", "|-|-|-|-|"},
    {"high-pass pi 3", TipoCella::PassaAltoPiGreco,  3, "L1 C1 L1",                   "|-|"},
    {"high-pass pi 5", TipoCella::PassaAltoPiGreco,  5, "L1 C1 L2 C1 L1",             "|-|-|"},
    {"high-pass pi 7", TipoCella::PassaAltoPiGreco,  7, "L1 C1 L2 C2 L2 C1 L1",       "|-|-|-|"},
    {"high-pass pi 9", TipoCella::PassaAltoPiGreco,  9, "L1 C1 L2 C2 L3 C2 L2 C1 L1", "|-|-|-|-|"},
    {"low-pass T 3",   TipoCella::PassaBassoT,       3, "L1 C1 L1",                   "-|-"},
    {"low-pass T 5",   TipoCella::PassaBassoT,       5, "L1 C1 L2 C1 L1",             "-|-|-"},
    {"low-pass T 7",   TipoCella::PassaBassoT,       7, "L1 C1 L2 C2 L2 C1 L1",       "-|-|-|-"},
    {"low-pass T 9",   TipoCella::PassaBassoT,       9, "L1 C1 L2 C2 L3 C2 L2 C1 L1", "-|-|-|-|-"},
    {"high-pass T 3",  TipoCella::PassaAltoT,        3, "C1 L1 C1",                   "-|-"},
    {"high-pass T 5",  TipoCella::PassaAltoT,        5, "C1 L1 C2 L1 C1",             "-|-|-"},
    {"high-pass T 7",  TipoCella::PassaAltoT,        7, "C1 L1 C2 L2 C2 L1 C1",       "-|-|-|-"},
    {"high-pass T 9",  TipoCella::PassaAltoT,        9, "C1 L1 C2 L2 C3 L2 C2 L1 C1", "-|-|-|-|-"},
};
// clang-format on

}  // namespace

class TestCellDrawing : public QObject {
    Q_OBJECT
private slots:
    void rails_data();
    void rails();
    void elementsStandWhereTheLayoutSays_data();
    void elementsStandWhereTheLayoutSays();
    void chainedRailsLineUpWithAndWithoutGround();
    void laddersKeepTheirPartsApart_data();
    void laddersKeepTheirPartsApart();
    void theWidgetDrawsItsShape();
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
    DrawingOptions options;
    options.railsToEdges = toEdges;
    options.ground = ground;
    const QImage image = render(layout, options);
    const LadderRails r = LadderDrawing::rails(image.height(), options, kScale);
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
    // clang-format off
    QTest::newRow("low-pass pi") << TipoCella::PassaBassoPiGreco << "C shunt,L series,C shunt";
    QTest::newRow("high-pass pi") << TipoCella::PassaAltoPiGreco << "L shunt,C series,L shunt";
    QTest::newRow("low-pass T") << TipoCella::PassaBassoT << "L series,C shunt,L series";
    QTest::newRow("high-pass T") << TipoCella::PassaAltoT << "C series,L shunt,C series";
    // clang-format on
}

void TestCellDrawing::elementsStandWhereTheLayoutSays() {
    QFETCH(TipoCella, layout);
    QFETCH(QString, elements);
    DrawingOptions options;
    options.railsToEdges = true;
    options.coilLengthTwips = (layout == TipoCella::PassaBassoT || layout == TipoCella::PassaAltoT) ? 735 : 855;
    const QImage image = render(layout, options);
    const LadderRails r = LadderDrawing::rails(image.height(), options, kScale);
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
    DrawingOptions withGround;
    withGround.railsToEdges = true;
    DrawingOptions without = withGround;
    without.ground = false;
    const LadderRails a = LadderDrawing::rails(161, withGround, kScale);
    const LadderRails b = LadderDrawing::rails(161, without, kScale);
    QCOMPARE(a.top, b.top);
    QCOMPARE(a.bottom, b.bottom);

    const QImage left = render(TipoCella::PassaAltoT, without, {281, 161});
    const QImage right = render(TipoCella::PassaBassoPiGreco, withGround, {281, 161});
    QVERIFY(wireAt(left, left.width() - 1, b.bottom));
    QVERIFY(wireAt(right, 0, a.bottom));
}

void TestCellDrawing::laddersKeepTheirPartsApart_data() {
    QTest::addColumn<TipoCella>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("placements");
    QTest::addColumn<QSize>("twips");
    // The verification window's drawing and the build sheet's (96 x 40 mm).
    const std::pair<const char*, QSize> sizes[] = {{"window", {5500, 1900}}, {"sheet", {5443, 2268}}};
    for (const auto& [where, twips] : sizes)
        for (const LadderRow& row : kLadders)
            QTest::addRow("%s, %s", row.name, where) << row.kind << row.count << row.names << row.placements << twips;
}

// Every element of a ladder stands in order from input to output, in the
// top rail or between the rails, with its name; no coil, plate or name
// touches another or a port's name, and all of it lies inside the drawing.
// The painted pixels keep to those places.
void TestCellDrawing::laddersKeepTheirPartsApart() {
    QFETCH(TipoCella, kind);
    QFETCH(int, count);
    QFETCH(QString, names);
    QFETCH(QString, placements);
    QFETCH(QSize, twips);
    const std::vector<LadderElement> shape = ladderShape(kind, count);
    QCOMPARE(int(shape.size()), count);
    const QSize size(qRound(twips.width() * kScale), qRound(twips.height() * kScale));
    const QImage image = render(shape, DrawingOptions{}, size);
    const QFont font = LadderDrawing::nameFont(QFont());
    const LadderLayout layout =
        LadderDrawing::layout(QRectF(image.rect()), shape, DrawingOptions{}, kScale, QFontMetricsF(font, &image));

    QCOMPARE(layout.elements.size(), shape.size());
    QCOMPARE(layout.ports.size(), std::size_t(2));
    const QStringList expected = names.split(QLatin1Char(' '));
    const double mid = (layout.rails.top + layout.rails.bottom) / 2;
    std::vector<QRectF> all = layout.ports, texts = layout.ports, coils, plates;
    for (int i = 0; i < count; ++i) {
        const LadderLayout::Element& e = layout.elements[std::size_t(i)];
        QCOMPARE(e.text, expected[i]);
        const bool series = placements[i] == QLatin1Char('-');
        QCOMPARE_LE(std::abs(e.body.center().y() - (series ? layout.rails.top : mid)), 1.0);
        if (i > 0) QVERIFY(e.body.center().x() > layout.elements[std::size_t(i - 1)].body.center().x());
        all.push_back(e.body);
        all.push_back(e.name);
        texts.push_back(grown(e.name, 1));
        (e.text.startsWith(QLatin1Char('L')) ? coils : plates).push_back(grown(e.body, 1));
        QVERIFY2(has(image, e.name.toAlignedRect(), kText), qPrintable(e.text));
        QVERIFY2(has(image, e.body.toAlignedRect(), e.text.startsWith(QLatin1Char('L')) ? kHatch : kPlate),
                 qPrintable(e.text));
    }
    // Some rail shows between a series element and the junction or port
    // line beside it; nothing crosses a port line.
    const double inLine = layout.ports[0].center().x(), outLine = layout.ports[1].center().x();
    for (int i = 0; i < count; ++i) {
        const QRectF body = layout.elements[std::size_t(i)].body;
        QVERIFY(body.left() > inLine + 2 && body.right() < outLine - 2);
        if (placements[i] != QLatin1Char('-')) continue;
        const double before = i > 0 ? layout.elements[std::size_t(i - 1)].body.center().x() : inLine;
        const double after = i + 1 < count ? layout.elements[std::size_t(i + 1)].body.center().x() : outLine;
        QVERIFY2(body.left() - before >= 4 && after - body.right() >= 4, qPrintable(expected[i]));
    }
    const QRectF inside(image.rect());
    for (std::size_t a = 0; a < all.size(); ++a) {
        QVERIFY2(inside.contains(all[a]), qPrintable(QStringLiteral("part %1 leaves the drawing").arg(a)));
        for (std::size_t b = a + 1; b < all.size(); ++b)
            QVERIFY2(!grown(all[a], 1).intersects(all[b]), qPrintable(QStringLiteral("parts %1 and %2").arg(a).arg(b)));
    }
    QVERIFY(onlyWithin(image, texts, kText));
    QVERIFY(onlyWithin(image, coils, kHatch));
    QVERIFY(onlyWithin(image, plates, kPlate));
}

// The window's drawing paints the ladder it was given, not its cell.
void TestCellDrawing::theWidgetDrawsItsShape() {
    const std::vector<LadderElement> shape = ladderShape(TipoCella::PassaAltoT, 7);
    LadderDrawing widget(TipoCella::PassaAltoT, testStyle(), DrawingOptions{});
    widget.resize(367, 127);
    widget.setShape(shape);
    QCOMPARE(widget.shape().size(), shape.size());
    QImage drawn(widget.size(), QImage::Format_RGB32);
    drawn.fill(kGround);
    widget.render(&drawn, {}, {}, QWidget::DrawChildren);
    QImage expected(widget.size(), QImage::Format_RGB32);
    expected.fill(kGround);
    {
        QPainter p(&expected);
        p.setFont(widget.font());
        LadderDrawing::paint(p, QRectF(expected.rect()), shape, testStyle(), DrawingOptions{},
                             widget.logicalDpiX() / 1440.0);
    }
    QCOMPARE(drawn, expected);
}

QTEST_MAIN(TestCellDrawing)
#include "tst_ladderdrawing.moc"
