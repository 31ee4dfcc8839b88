#include "tests/support/TextRecorder.h"
#include "verifica/ResponsePlot.h"

#include <QApplication>
#include <QHash>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include <cmath>

using namespace ombrana;

Q_DECLARE_METATYPE(ombrana::PlotData)

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A curve rising by slopeDb for every decade above 0.7 MHz.
PlotCurve rising(const QString& label, const QColor& colour, double slopeDb) {
    PlotCurve c{.label = label, .colour = colour};
    for (int i = 0; i < 400; ++i) {
        const double f = 0.7 * std::pow(100.0, i / 399.0);
        c.points.emplace_back(f, slopeDb * std::log10(f / 0.7));
    }
    return c;
}

PlotData withRange(double fromMHz, double toMHz) {
    return {.fromMHz = fromMHz,
            .toMHz = toMHz,
            .curves = {rising("progettato", Qt::blue, 20), rising("costruito", Qt::red, 50)},
            .markers = {{7, "f"}, {14, "2f"}, {21, "3f"}}};
}

// Tolerance 0 asks for the exact colour of a flat fill.
bool near(QRgb pixel, const QColor& c, int tolerance = 40) {
    const auto close = [&](int a, int b) { return std::abs(a - b) <= tolerance; };
    return close(qRed(pixel), c.red()) && close(qGreen(pixel), c.green()) && close(qBlue(pixel), c.blue());
}

// The texts a plot paints on a 640 x 400 surface at 96 dpi.
std::vector<test::TextRecorder::Run> textsOf(const PlotData& data) {
    test::RecordingDevice surface(640 * 25.4 / 96, 400 * 25.4 / 96, 96);
    QPainter p(&surface);
    ResponsePlot::paint(p, QRectF(0, 0, 640, 400), data);
    p.end();
    return surface.engine.runs;
}

int countNear(const QImage& image, const QColor& colour, int tolerance = 40) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += near(image.pixel(x, y), colour, tolerance);
    return n;
}

}  // namespace

class TestResponsePlot : public QObject {
    Q_OBJECT
private slots:
    // A frequency and a loss of 60 dB times fraction land at that fraction of
    // the area's width and height.
    void axes_data() {
        QTest::addColumn<double>("frequency");
        QTest::addColumn<double>("fraction");
        // clang-format off
        QTest::newRow("range start, 0 dB") << 0.7 << 0.0;
        QTest::newRow("cut-off in the middle") << 7.0 << 0.5;
        QTest::newRow("range end, bottom") << 70.0 << 1.0;
        QTest::newRow("2 MHz") << 2.0 << std::log10(2 / 0.7) / 2;
        // clang-format on
    }
    void axes() {
        QFETCH(double, frequency);
        QFETCH(double, fraction);
        const PlotAxes a{.area = QRectF(40, 20, 500, 300), .fromMHz = 0.7, .toMHz = 70, .bottomDb = 60};
        QCOMPARE_LE(std::abs(a.xOf(frequency) - (40 + 500 * fraction)), 1e-9);
        QCOMPARE_LE(std::abs(a.yOf(60 * fraction) - (20 + 300 * fraction)), 1e-9);
        QCOMPARE_LE(std::abs(a.frequencyAt(a.xOf(frequency)) / frequency - 1), 1e-12);
    }

    void lossAt_data() {
        QTest::addColumn<std::vector<QPointF>>("points");
        QTest::addColumn<double>("frequency");
        QTest::addColumn<double>("expected");  // NaN: no value
        const std::vector<QPointF> decades{{1, 0}, {10, 20}, {100, 40}};
        // clang-format off
        QTest::newRow("on a point") << decades << 10.0 << 20.0;
        QTest::newRow("last point") << decades << 100.0 << 40.0;
        QTest::newRow("geometric middle") << decades << std::sqrt(10.0) << 10.0;
        QTest::newRow("below the curve") << decades << 0.5 << kNaN;
        QTest::newRow("above the curve") << decades << 200.0 << kNaN;
        QTest::newRow("zero frequency") << decades << 0.0 << kNaN;
        QTest::newRow("across a broken point") << std::vector<QPointF>{{1, 0}, {3, kNaN}, {-2, 5}, {10, 20}} << std::sqrt(10.0) << 10.0;
        // clang-format on
    }
    void lossAt() {
        QFETCH(std::vector<QPointF>, points);
        QFETCH(double, frequency);
        QFETCH(double, expected);
        const std::optional<double> loss = ResponsePlot::lossAt({.points = points}, frequency);
        QCOMPARE(loss.has_value(), !std::isnan(expected));
        if (loss) QCOMPARE_LE(std::abs(*loss - expected), 1e-9);
    }

    // Each curve's pixels lie where the axes put its losses; the built curve
    // passes the 80 dB floor of the axis and is cut there.
    void curvesLandOnTheAxes() {
        QImage image(640, 400, QImage::Format_RGB32);
        const PlotData data = withRange(0.7, 70);
        QPainter p(&image);
        const PlotAxes a = ResponsePlot::axes(image.rect(), data, p.font(), &image);
        ResponsePlot::paint(p, image.rect(), data);
        p.end();
        QCOMPARE(a.bottomDb, 80.0);
        const QRect below = QRectF(0, a.area.bottom() + 2, image.width(), image.height()).toAlignedRect();
        QCOMPARE(countNear(image.copy(below), Qt::red), 0);
        for (const PlotCurve& c : data.curves) {
            for (double f : {1.5, 4.0, 15.0}) {
                const int x = int(std::lround(a.xOf(f)));
                const double y = a.yOf(*ResponsePlot::lossAt(c, f));
                int hits = 0;
                for (int row = int(a.area.top()); row < int(a.area.bottom()); ++row) {
                    if (!near(image.pixel(x, row), c.colour)) continue;
                    ++hits;
                    QCOMPARE_LE(std::abs(row - y), 2.5);
                }
                QVERIFY(hits > 0);
            }
        }
    }

    // Nothing to draw leaves a white ground and a black frame, no curve.
    void emptyDataPaintsAFrame_data() {
        QTest::addColumn<PlotData>("data");
        QTest::addColumn<QSize>("size");
        // clang-format off
        QTest::newRow("no curves") << PlotData{.fromMHz = 0.7, .toMHz = 70} << QSize(640, 400);
        QTest::newRow("zero start") << withRange(0, 70) << QSize(640, 400);
        QTest::newRow("reversed range") << withRange(70, 0.7) << QSize(640, 400);
        QTest::newRow("NaN range") << withRange(kNaN, 70) << QSize(640, 400);
        QTest::newRow("no room") << withRange(0.7, 70) << QSize(12, 8);
        // clang-format on
    }
    void emptyDataPaintsAFrame() {
        QFETCH(PlotData, data);
        QFETCH(QSize, size);
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::green);
        QPainter p(&image);
        ResponsePlot::paint(p, image.rect(), data);
        p.end();
        QCOMPARE(countNear(image, Qt::green), 0);
        QCOMPARE(countNear(image, Qt::red), 0);
        QVERIFY(countNear(image, Qt::black) > 0);
    }

    // The loss axis ends at the deepest loss in the range rounded up to ten
    // dB, between 10 and 80, and the curve is painted against that axis.
    void lossAxisRoundsUp_data() {
        QTest::addColumn<double>("toMHz");
        QTest::addColumn<double>("peakDb");  // the loss at toMHz
        QTest::addColumn<double>("axisDb");
        // clang-format off
        QTest::newRow("35 dB")                   << 70.0 << 35.0 << 40.0;
        QTest::newRow("40 dB")                   << 70.0 << 40.0 << 40.0;
        QTest::newRow("40.5 dB")                 << 70.0 << 40.5 << 50.0;
        QTest::newRow("3 dB")                    << 70.0 << 3.0  << 10.0;
        QTest::newRow("flat")                    << 70.0 << 0.0  << 10.0;
        QTest::newRow("95 dB")                   << 70.0 << 95.0 << 80.0;
        QTest::newRow("deeper beyond the range") << 7.0  << 35.0 << 20.0;
        // clang-format on
    }
    void lossAxisRoundsUp() {
        QFETCH(double, toMHz);
        QFETCH(double, peakDb);
        QFETCH(double, axisDb);
        // The curve runs on to 70 MHz; with the range ending at 7 MHz its
        // deepest loss shown is half the peak.
        const PlotData data{.fromMHz = 0.7, .toMHz = toMHz, .curves = {rising("progetto", Qt::blue, 35)}};
        PlotData scaled = data;
        for (QPointF& q : scaled.curves[0].points) q.ry() *= peakDb / 70;
        QCOMPARE(ResponsePlot::lossRange(scaled), axisDb);

        QImage image(640, 400, QImage::Format_RGB32);
        QPainter p(&image);
        const PlotAxes a = ResponsePlot::axes(image.rect(), scaled, p.font(), &image);
        ResponsePlot::paint(p, image.rect(), scaled);
        p.end();
        QCOMPARE(a.bottomDb, axisDb);
        if (peakDb < 3) return;
        const double f = toMHz * 0.3;
        const double loss = *ResponsePlot::lossAt(scaled.curves[0], f);
        const double y = a.area.top() + a.area.height() * loss / axisDb;
        const int x = int(std::lround(a.xOf(f)));
        int hits = 0;
        for (int row = int(a.area.top()) + 1; row < int(a.area.bottom()); ++row) {
            if (!near(image.pixel(x, row), Qt::blue)) continue;
            ++hits;
            QCOMPARE_LE(std::abs(row - y), 2.5);
        }
        QVERIFY(hits > 0);
    }

    // A marker outside the frequency range, or at no frequency, leaves the
    // picture as it was; one inside it is drawn.
    void markersOutsideTheRangeAreNotDrawn_data() {
        QTest::addColumn<double>("frequency");
        QTest::addColumn<bool>("drawn");
        // clang-format off
        QTest::newRow("2f at 75 MHz")     << 75.0                                     << false;
        QTest::newRow("below the range")  << 0.69                                     << false;
        QTest::newRow("negative")         << -14.0                                    << false;
        QTest::newRow("NaN")              << kNaN                                     << false;
        QTest::newRow("infinite")         << std::numeric_limits<double>::infinity() << false;
        QTest::newRow("inside")           << 35.0                                     << true;
        QTest::newRow("at the range end") << 70.0                                     << true;
        // clang-format on
    }
    void markersOutsideTheRangeAreNotDrawn() {
        QFETCH(double, frequency);
        QFETCH(bool, drawn);
        PlotData data = withRange(0.7, 70);
        data.markers = {{7, "f"}};
        const auto picture = [](const PlotData& d) {
            QImage image(640, 400, QImage::Format_RGB32);
            QPainter p(&image);
            ResponsePlot::paint(p, image.rect(), d);
            return image;
        };
        const QImage without = picture(data);
        data.markers.push_back({frequency, "2f"});
        QCOMPARE(picture(data) != without, drawn);
    }

    // The pointer just outside the plot area gives no readout and draws
    // nothing; just inside it gives one.
    void noReadoutOutsideThePlotArea_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("reads");
        // clang-format off
        QTest::newRow("5 px left")         << "left"        << false;
        QTest::newRow("5 px right")        << "right"       << false;
        QTest::newRow("5 px above")        << "above"       << false;
        QTest::newRow("5 px below")        << "below"       << false;
        QTest::newRow("5 px inside, left") << "inside left" << true;
        // clang-format on
    }
    void noReadoutOutsideThePlotArea() {
        QFETCH(QString, where);
        QFETCH(bool, reads);
        ResponsePlot plot;
        plot.resize(640, 400);
        plot.setData(withRange(0.7, 70));
        plot.show();
        const QRectF area = ResponsePlot::axes(plot.rect(), plot.data(), plot.font(), &plot).area;
        const QImage before = plot.grab().toImage();
        const QHash<QString, QPointF> points{{"left", {area.left() - 5, area.center().y()}},
                                             {"right", {area.right() + 5, area.center().y()}},
                                             {"above", {area.center().x(), area.top() - 5}},
                                             {"below", {area.center().x(), area.bottom() + 5}},
                                             {"inside left", {area.left() + 5, area.center().y()}}};
        const QPointF at = points.value(where);
        QMouseEvent move(QEvent::MouseMove, at, plot.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&plot, &move);
        const std::optional<PlotReadout> r = plot.readout();
        QCOMPARE(r.has_value(), reads);
        QCOMPARE(plot.grab().toImage() != before, reads);
        if (r) QCOMPARE_LE(std::abs(r->frequencyMHz / (0.7 * std::pow(100.0, 5 / area.width())) - 1), 1e-9);
    }

    // Layouts learn the plot's size from its hints.
    void sizeHints() {
        const ResponsePlot plot;
        QCOMPARE(plot.minimumSize(), QSize(0, 0));
        QVERIFY(plot.minimumSizeHint().width() >= 320 && plot.minimumSizeHint().height() >= 200);
        QVERIFY(plot.sizeHint().width() >= plot.minimumSizeHint().width());
        QVERIFY(plot.sizeHint().height() >= plot.minimumSizeHint().height());
    }

    // The range's ends are read to three digits, as off the axis itself.
    void endsReadToThreeDigits_data() {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("notShown");
        // clang-format off
        QTest::newRow("0,73623 to 73,623") << 0.73623 << 73.623 << QStringList{"0,736", "73,6"} << QStringList{"0,7362", "73,62"};
        QTest::newRow("1,4472 to 144,72") << 1.4472 << 144.72 << QStringList{"1,45", "145"} << QStringList{"1,447", "144,7"};
        // clang-format on
    }
    void endsReadToThreeDigits() {
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, notShown);
        PlotData data = withRange(from, to);
        data.markers.clear();
        QStringList texts;
        for (const auto& run : textsOf(data)) texts << run.text;
        for (const QString& t : shown) QVERIFY2(texts.contains(t), qPrintable(texts.join(" | ")));
        for (const QString& t : notShown) QVERIFY2(!texts.contains(t), qPrintable(t));
    }

    // Markers too close for one row take turns on two: 2f beside f goes on
    // the upper row, 3f far from both back on the lower one.
    void closeMarkersAreStaggered() {
        PlotData data = withRange(0.7, 70);
        data.markers = {{7.2, "f"}, {7.6, "2f"}, {21.6, "3f"}};
        const auto runs = textsOf(data);
        const auto* f = test::findRun(runs, "f");
        const auto* f2 = test::findRun(runs, "2f");
        const auto* f3 = test::findRun(runs, "3f");
        QVERIFY(f && f2 && f3);
        QVERIFY2(f2->ink.bottom() < f->ink.top(), "2f must stand above f");
        QVERIFY(std::abs(f3->ink.center().y() - f->ink.center().y()) < 1);
    }

    void readoutFollowsThePointer() {
        ResponsePlot plot;
        plot.resize(640, 400);
        plot.setData(withRange(0.7, 70));
        plot.show();
        const PlotAxes a = ResponsePlot::axes(plot.rect(), plot.data(), plot.font(), &plot);
        const QColor box(0xC0, 0xFF, 0xFF);
        QCOMPARE(countNear(plot.grab().toImage(), box, 0), 0);

        const QPointF at(a.xOf(7), a.area.center().y());
        QMouseEvent move(QEvent::MouseMove, at, plot.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&plot, &move);
        const std::optional<PlotReadout> r = plot.readout();
        QVERIFY(r.has_value());
        QCOMPARE_LE(std::abs(r->frequencyMHz / 7 - 1), 0.01);
        QCOMPARE(r->lossesDb.size(), std::size_t(2));
        QCOMPARE_LE(std::abs(*r->lossesDb[0] - 20), 0.2);
        QCOMPARE_LE(std::abs(*r->lossesDb[1] - 50), 0.5);
        const QImage shown = plot.grab().toImage();
        QVERIFY(countNear(shown, box, 0) > 0);

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&plot, &leave);
        QVERIFY(!plot.readout());
    }
};

QTEST_MAIN(TestResponsePlot)
#include "tst_responseplot.moc"
