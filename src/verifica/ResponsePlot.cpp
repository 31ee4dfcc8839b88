#include "verifica/ResponsePlot.h"

#include "app/DesignLook.h"
#include "app/core/NumberText.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <cmath>

namespace ombrana {
namespace {

using design::colour;

constexpr design::Font kPlotFont = design::kRegular825;
constexpr int kGrid = design::kPaleGrey;   // 2 and 5 lines, loss lines
constexpr int kDecade = design::kMidGrey;  // decade lines
constexpr double kMostLossDb = 80;         // deeper losses run off the bottom edge
constexpr double kWideRange = 1e6;         // beyond this span only decades are drawn
constexpr std::array kSteps{1.0, 2.0, 5.0};

bool usable(const QPointF& p) {
    return std::isfinite(p.x()) && std::isfinite(p.y()) && p.x() > 0;
}

QString text(double value) {
    return QString::fromStdString(scriviNumero(value));
}

// Three significant digits, as a frequency is read off a logarithmic axis.
QString frequencyText(double mhz) {
    const double scale = std::pow(10.0, 2 - std::floor(std::log10(mhz)));
    return text(std::round(mhz * scale) / scale);
}

QString lossText(double db) {
    return text(std::round(db * 10) / 10);
}

// Sizes that follow the text, so that a printed page keeps the proportions
// of the screen. Made once per paint: the font is measured here.
struct Metrics {
    QFont font;
    double line;  // height of a line of text
    double unit;  // width of a thin line
    QFontMetricsF fm;

    Metrics(const QFont& base, const QPaintDevice* device) : font(design::makeFont(kPlotFont, base)), fm(font, device) {
        line = fm.height();
        unit = std::max(1.0, std::round(line / 14));
    }
};

QRectF plotArea(const QRectF& rect, const PlotData& data, const Metrics& m) {
    const double left = m.fm.horizontalAdvance(QStringLiteral("80")) + 2.2 * m.line;
    const double top = data.markers.empty() ? m.line : 2.4 * m.line;
    return rect.adjusted(left, top, -1.5 * m.line, -2.6 * m.line);
}

PlotAxes axesIn(const QRectF& rect, const PlotData& data, const Metrics& m) {
    PlotAxes a{.area = plotArea(rect, data, m)};
    if (!ResponsePlot::drawable(data)) return a;
    a.fromMHz = data.fromMHz;
    a.toMHz = data.toMHz;
    a.bottomDb = ResponsePlot::lossRange(data);
    return a;
}

double lossStep(double range) {
    return range <= 10 ? 2 : range <= 20 ? 5 : 10;
}

void paintLossGrid(QPainter& p, const PlotAxes& axes, const Metrics& m) {
    const double step = lossStep(axes.bottomDb);
    for (double db = 0; db <= axes.bottomDb + 1e-9; db += step) {
        const double y = axes.yOf(db);
        p.setPen(QPen(colour(kGrid), m.unit));
        p.drawLine(QPointF(axes.area.left(), y), QPointF(axes.area.right(), y));
        p.setPen(colour(design::kBlack));
        const QRectF label(axes.area.left() - 4 * m.line, y - m.line / 2, 3.6 * m.line, m.line);
        p.drawText(label, Qt::AlignRight | Qt::AlignVCenter, text(db));
    }
}

// Grid lines at 1, 2 and 5 of every decade; labels at the range's ends and
// on the lines, the ends and decades first, each where it overlaps no other.
void paintFrequencyGrid(QPainter& p, const PlotAxes& axes, const Metrics& m) {
    QVarLengthArray<QRectF, 32> taken;
    // The range's ends are read to three digits, as off the axis itself.
    const auto label = [&](double mhz) {
        const QString t = frequencyText(mhz);
        const double w = m.fm.horizontalAdvance(t) + m.line / 2;
        const QRectF r(axes.xOf(mhz) - w / 2, axes.area.bottom() + m.line / 4, w, m.line);
        if (std::any_of(taken.begin(), taken.end(), [&](const QRectF& o) { return o.intersects(r); })) return;
        taken.append(r);
        p.drawText(r, Qt::AlignCenter, t);
    };
    const bool wide = axes.toMHz / axes.fromMHz > kWideRange;
    const int first = int(std::floor(std::log10(axes.fromMHz)));
    const int last = int(std::ceil(std::log10(axes.toMHz)));
    const auto inRange = [&](double f) { return f >= axes.fromMHz * (1 - 1e-9) && f <= axes.toMHz * (1 + 1e-9); };
    for (int d = first; d <= last; ++d) {
        for (double step : kSteps) {
            const double f = step * std::pow(10.0, d);
            if ((wide && step != 1) || !inRange(f)) continue;
            p.setPen(QPen(colour(step == 1 ? kDecade : kGrid), m.unit));
            p.drawLine(QPointF(axes.xOf(f), axes.area.top()), QPointF(axes.xOf(f), axes.area.bottom()));
        }
    }
    p.setPen(colour(design::kBlack));
    label(axes.fromMHz);
    label(axes.toMHz);
    for (double step : kSteps) {
        if (wide && step != 1) break;
        for (int d = first; d <= last; ++d) {
            const double f = step * std::pow(10.0, d);
            if (inRange(f)) label(f);
        }
    }
}

void paintCaptions(QPainter& p, const QRectF& rect, const PlotAxes& axes, const Metrics& m) {
    p.setPen(colour(design::kBlack));
    const QRectF below(axes.area.left(), rect.bottom() - 1.3 * m.line, axes.area.width(), m.line);
    p.drawText(below, Qt::AlignCenter, QStringLiteral("Frequenza (MHz)"));
    p.save();
    p.translate(rect.left() + 0.3 * m.line, axes.area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-axes.area.height() / 2, 0, axes.area.height(), m.line), Qt::AlignCenter,
               QStringLiteral("Attenuazione (dB)"));
    p.restore();
}

// The curve as one polyline: its points inside the frequency range and the
// neighbour on each side, so that it reaches the edges. Losses far below the
// bottom are held a plot height under it, where the clip hides them, to keep
// coordinates small.
void buildPolyline(QPolygonF& line, const PlotCurve& curve, const PlotAxes& axes) {
    line.clear();
    const auto inRange = [&](const QPointF& q) { return q.x() >= axes.fromMHz && q.x() <= axes.toMHz; };
    const double floorY = axes.area.bottom() + axes.area.height();
    const double ceilingY = axes.area.top() - axes.area.height();
    const auto add = [&](const QPointF& q) {
        line.append(QPointF(axes.xOf(q.x()), std::clamp(axes.yOf(q.y()), ceilingY, floorY)));
    };
    const QPointF* previous = nullptr;
    bool previousAdded = false;
    for (const QPointF& q : curve.points) {
        if (!usable(q)) continue;
        const bool inside = inRange(q);
        if (inside && previous && !previousAdded) add(*previous);
        const bool adding = inside || (previous && inRange(*previous));
        if (adding) add(q);
        previous = &q;
        previousAdded = adding;
    }
}

void paintCurves(QPainter& p, const PlotData& data, const PlotAxes& axes, const Metrics& m) {
    QPolygonF line;
    line.reserve(qsizetype(std::max_element(data.curves.begin(), data.curves.end(), [](auto& a, auto& b) {
                               return a.points.size() < b.points.size();
                           })->points.size()));
    for (const PlotCurve& curve : data.curves) {
        buildPolyline(line, curve, axes);
        p.setPen(QPen(curve.colour, 2 * m.unit, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
        p.drawPolyline(line);
    }
}

// Dashed lines across the plot, labelled above it on two staggered rows so
// that close harmonics keep their labels.
void paintMarkers(QPainter& p, const PlotData& data, const PlotAxes& axes, const Metrics& m) {
    QVarLengthArray<QRectF, 16> taken;
    for (const PlotMarker& marker : data.markers) {
        const double f = marker.frequencyMHz;
        if (!std::isfinite(f) || f < axes.fromMHz || f > axes.toMHz) continue;
        const double x = axes.xOf(f);
        p.setPen(QPen(colour(design::kBlack), m.unit, Qt::DashLine));
        p.drawLine(QPointF(x, axes.area.top()), QPointF(x, axes.area.bottom()));
        const double w = m.fm.horizontalAdvance(marker.label) + m.line / 3;
        for (int row = 0; row < 2; ++row) {
            const QRectF r(x - w / 2, axes.area.top() - (row + 1.1) * m.line, w, m.line);
            if (std::any_of(taken.begin(), taken.end(), [&](const QRectF& o) { return o.intersects(r); })) continue;
            taken.append(r);
            p.setPen(colour(design::kBlack));
            p.drawText(r, Qt::AlignCenter, marker.label);
            break;
        }
    }
}

// The legend goes in the corner of the plot that the curves cross least.
void paintLegend(QPainter& p, const PlotData& data, const PlotAxes& axes, const Metrics& m) {
    double labelWidth = 0;
    for (const PlotCurve& c : data.curves) labelWidth = std::max(labelWidth, m.fm.horizontalAdvance(c.label));
    const QSizeF size(labelWidth + 3 * m.line, (double(data.curves.size()) + 0.5) * m.line);
    const QRectF inner = axes.area.adjusted(m.line / 2, m.line / 2, -m.line / 2, -m.line / 2);
    const std::array corners{
        QRectF(QPointF(inner.right() - size.width(), inner.top()), size),
        QRectF(QPointF(inner.right() - size.width(), inner.bottom() - size.height()), size),
        QRectF(QPointF(inner.left(), inner.bottom() - size.height()), size),
        QRectF(inner.topLeft(), size),
    };
    QRectF box = corners[0];
    qsizetype fewest = -1;
    for (const QRectF& corner : corners) {
        qsizetype crossing = 0;
        for (const PlotCurve& c : data.curves)
            crossing += std::count_if(c.points.begin(), c.points.end(), [&](const QPointF& q) {
                return usable(q) && corner.contains(axes.xOf(q.x()), axes.yOf(q.y()));
            });
        if (fewest < 0 || crossing < fewest) box = corner, fewest = crossing;
    }
    p.setPen(QPen(colour(design::kBlack), m.unit));
    p.setBrush(colour(design::kWhite));
    p.drawRect(box);
    double y = box.top() + 0.25 * m.line;
    for (const PlotCurve& c : data.curves) {
        const double mid = y + m.line / 2;
        p.setPen(QPen(c.colour, 2 * m.unit));
        p.drawLine(QPointF(box.left() + m.line / 2, mid), QPointF(box.left() + 2 * m.line, mid));
        p.setPen(colour(design::kBlack));
        p.drawText(QRectF(box.left() + 2.5 * m.line, y, labelWidth, m.line), Qt::AlignLeft | Qt::AlignVCenter, c.label);
        y += m.line;
    }
}

// The cursor line, a dot on each curve and a box with the values, beside the
// pointer and turned away from the plot's edges.
void paintReadout(QPainter& p, const PlotData& data, const PlotAxes& axes, const PlotReadout& r, double pointerY,
                  const Metrics& m) {
    const double x = axes.xOf(r.frequencyMHz);
    p.setPen(QPen(colour(design::kBlack), m.unit, Qt::DotLine));
    p.drawLine(QPointF(x, axes.area.top()), QPointF(x, axes.area.bottom()));
    QStringList lines{frequencyText(r.frequencyMHz) + QStringLiteral(" MHz")};
    for (std::size_t i = 0; i < data.curves.size(); ++i) {
        const std::optional<double> loss = r.lossesDb[i];
        lines << data.curves[i].label + QStringLiteral(": ") +
                     (loss ? lossText(*loss) + QStringLiteral(" dB") : QStringLiteral("—"));
        if (!loss) continue;
        p.setPen(Qt::NoPen);
        p.setBrush(data.curves[i].colour);
        p.drawEllipse(QPointF(x, axes.yOf(*loss)), 2.5 * m.unit, 2.5 * m.unit);
    }
    double width = 0;
    for (const QString& l : lines) width = std::max(width, m.fm.horizontalAdvance(l));
    QRectF box(0, 0, width + m.line, (double(lines.size()) + 0.5) * m.line);
    box.moveLeft(x + m.line / 2 + box.width() <= axes.area.right() ? x + m.line / 2 : x - m.line / 2 - box.width());
    box.moveTop(std::max(axes.area.top(), std::min(pointerY + m.line / 2, axes.area.bottom() - box.height())));
    p.setPen(QPen(colour(design::kBlack), m.unit));
    p.setBrush(colour(design::kPaleCyan));
    p.drawRect(box);
    double y = box.top() + 0.25 * m.line;
    for (const QString& l : lines) {
        p.drawText(QRectF(box.left() + m.line / 2, y, width, m.line), Qt::AlignLeft | Qt::AlignVCenter, l);
        y += m.line;
    }
}

void paintPlot(QPainter& painter, const QRectF& rect, const PlotData& data, const PlotAxes& a, const Metrics& m) {
    painter.save();
    painter.setFont(m.font);
    painter.fillRect(rect, colour(design::kWhite));
    if (ResponsePlot::drawable(data) && a.area.width() > 0 && a.area.height() > 0) {
        paintLossGrid(painter, a, m);
        paintFrequencyGrid(painter, a, m);
        paintCaptions(painter, rect, a, m);
        paintMarkers(painter, data, a, m);
        painter.save();
        painter.setClipRect(a.area);
        painter.setRenderHint(QPainter::Antialiasing);
        paintCurves(painter, data, a, m);
        painter.restore();
        paintLegend(painter, data, a, m);
    }
    painter.setPen(QPen(colour(design::kBlack), m.unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(a.area.isValid() ? a.area : rect);
    painter.restore();
}

// The reading at a point of the widget, when it lies in the plot area.
std::optional<PlotReadout> readoutAt(const PlotData& data, const PlotAxes& a, const std::optional<QPointF>& pointer) {
    if (!pointer || !ResponsePlot::drawable(data) || !a.area.contains(*pointer)) return std::nullopt;
    PlotReadout r{.frequencyMHz = a.frequencyAt(pointer->x())};
    r.lossesDb.reserve(data.curves.size());
    for (const PlotCurve& c : data.curves) r.lossesDb.push_back(ResponsePlot::lossAt(c, r.frequencyMHz));
    return r;
}

}  // namespace

double PlotAxes::xOf(double frequencyMHz) const {
    return area.left() + area.width() * std::log(frequencyMHz / fromMHz) / std::log(toMHz / fromMHz);
}

double PlotAxes::frequencyAt(double x) const {
    return fromMHz * std::pow(toMHz / fromMHz, (x - area.left()) / area.width());
}

double PlotAxes::yOf(double lossDb) const {
    return area.top() + area.height() * lossDb / bottomDb;
}

ResponsePlot::ResponsePlot(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

QSize ResponsePlot::sizeHint() const {
    return {480, 300};
}

QSize ResponsePlot::minimumSizeHint() const {
    return {320, 200};
}

void ResponsePlot::setData(PlotData data) {
    m_data = std::move(data);
    update();
}

bool ResponsePlot::drawable(const PlotData& data) {
    return !data.curves.empty() && std::isfinite(data.fromMHz) && std::isfinite(data.toMHz) && data.fromMHz > 0 &&
           data.toMHz > data.fromMHz;
}

double ResponsePlot::lossRange(const PlotData& data) {
    double most = 0;
    for (const PlotCurve& c : data.curves)
        for (const QPointF& q : c.points)
            if (usable(q) && q.x() >= data.fromMHz && q.x() <= data.toMHz) most = std::max(most, q.y());
    return std::clamp(std::ceil(most / 10) * 10, 10.0, kMostLossDb);
}

PlotAxes ResponsePlot::axes(const QRectF& rect, const PlotData& data, const QFont& base, const QPaintDevice* device) {
    return axesIn(rect, data, Metrics(base, device));
}

std::optional<double> ResponsePlot::lossAt(const PlotCurve& curve, double frequencyMHz) {
    if (!(std::isfinite(frequencyMHz) && frequencyMHz > 0)) return std::nullopt;
    const QPointF* previous = nullptr;
    for (const QPointF& q : curve.points) {
        if (!usable(q)) continue;
        if (q.x() == frequencyMHz) return q.y();
        if (previous && previous->x() < frequencyMHz && frequencyMHz < q.x()) {
            const double t = std::log(frequencyMHz / previous->x()) / std::log(q.x() / previous->x());
            return previous->y() + t * (q.y() - previous->y());
        }
        previous = &q;
    }
    return std::nullopt;
}

void ResponsePlot::paint(QPainter& painter, const QRectF& rect, const PlotData& data) {
    const Metrics m(painter.font(), painter.device());
    paintPlot(painter, rect, data, axesIn(rect, data, m), m);
}

std::optional<PlotReadout> ResponsePlot::readout() const {
    return readoutAt(m_data, axes(QRectF(rect()), m_data, font(), this), m_pointer);
}

void ResponsePlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Metrics m(font(), this);
    const PlotAxes a = axesIn(QRectF(rect()), m_data, m);
    paintPlot(painter, QRectF(rect()), m_data, a, m);
    if (const std::optional<PlotReadout> r = readoutAt(m_data, a, m_pointer)) {
        painter.setFont(m.font);
        paintReadout(painter, m_data, a, *r, m_pointer->y(), m);
    }
}

void ResponsePlot::mouseMoveEvent(QMouseEvent* event) {
    m_pointer = event->position();
    update();
}

void ResponsePlot::leaveEvent(QEvent*) {
    m_pointer.reset();
    update();
}

}  // namespace ombrana
