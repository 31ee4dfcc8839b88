// A scroll bar's handle is one darker piece of the groove, exactly where the
// style's geometry puts the slider (which is where a click takes it), at
// either end, in the middle, large or small; the test also runs at 150 % and
// 200 %.
#include "app/SteadyPaletteStyle.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTest>

using namespace ombrana;

namespace {

// Exposes the option the scroll bar paints with.
class Bar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;
    QStyleOptionSlider option() const {
        QStyleOptionSlider o;
        initStyleOption(&o);
        return o;
    }
};

// The runs of pixels, along the middle of the bar and inside its groove,
// clearly darker than the lightest pixel there.
QList<QPair<int, int>> darkRuns(const QImage& image, Qt::Orientation orientation, int from, int to) {
    const bool horizontal = orientation == Qt::Horizontal;
    const auto at = [&](int i) {
        return QColor(horizontal ? image.pixel(i, image.height() / 2) : image.pixel(image.width() / 2, i));
    };
    int lightest = 0;
    for (int i = from; i < to; ++i) lightest = qMax(lightest, qGray(at(i).rgb()));
    QList<QPair<int, int>> runs;
    for (int i = from; i < to; ++i) {
        if (qGray(at(i).rgb()) > lightest - 40) continue;
        if (!runs.isEmpty() && runs.last().second == i)
            runs.last().second = i + 1;
        else
            runs.append({i, i + 1});
    }
    return runs;
}

}  // namespace

class TestScrollBars : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(new SteadyPaletteStyle(QStyleFactory::create("Fusion"))); }

    void oneHandleWhereTheSliderIs_data() {
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("value");
        // clang-format off
        QTest::newRow("horizontal, large page, at the start") << Qt::Horizontal << 10 << 160 << 0;
        QTest::newRow("horizontal, large page, at the end") << Qt::Horizontal << 10 << 160 << 10;
        QTest::newRow("horizontal, small page, in the middle") << Qt::Horizontal << 1000 << 100 << 500;
        QTest::newRow("horizontal, small page, at the end") << Qt::Horizontal << 1000 << 100 << 1000;
        QTest::newRow("vertical, large page, at the start") << Qt::Vertical << 31 << 490 << 0;
        QTest::newRow("vertical, large page, at the end") << Qt::Vertical << 31 << 490 << 31;
        QTest::newRow("vertical, half page, in the middle") << Qt::Vertical << 300 << 300 << 150;
        QTest::newRow("vertical, small page, at the start") << Qt::Vertical << 1000 << 50 << 0;
        // clang-format on
    }
    void oneHandleWhereTheSliderIs() {
        QFETCH(Qt::Orientation, orientation);
        QFETCH(int, maximum);
        QFETCH(int, page);
        QFETCH(int, value);
        Bar bar(orientation);
        const int extent = bar.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &bar);
        bar.resize(orientation == Qt::Horizontal ? QSize(301, extent) : QSize(extent, 301));
        bar.setRange(0, maximum);
        bar.setPageStep(page);
        bar.setValue(value);
        const QImage image = bar.grab().toImage();
        const double dpr = image.devicePixelRatio();

        const QStyleOptionSlider option = bar.option();
        const QRect groove =
            bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, &bar);
        const QRect slider =
            bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &bar);
        const bool horizontal = orientation == Qt::Horizontal;
        const auto device = [dpr](int logical) { return qRound(logical * dpr); };
        const int from = device(horizontal ? groove.left() : groove.top());
        const int to = device(horizontal ? groove.right() + 1 : groove.bottom() + 1);
        const QList<QPair<int, int>> runs = darkRuns(image, orientation, from, to);
        QString seen;
        for (const auto& run : runs) seen += QStringLiteral(" %1..%2").arg(run.first).arg(run.second);
        QVERIFY2(runs.size() == 1, qPrintable(QStringLiteral("dark runs:") + seen));
        const int start = device(horizontal ? slider.left() : slider.top());
        const int end = device(horizontal ? slider.right() + 1 : slider.bottom() + 1);
        QVERIFY2(qAbs(runs.first().first - start) <= 1 && qAbs(runs.first().second - end) <= 1,
                 qPrintable(QStringLiteral("handle%1, slider %2..%3").arg(seen).arg(start).arg(end)));
    }
};

QTEST_MAIN(TestScrollBars)
#include "tst_scrollbars.moc"
