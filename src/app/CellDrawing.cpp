#include "app/CellDrawing.h"

#include <QPainter>

#include <algorithm>

namespace ombrana {
namespace {

// Sizes of the parts, in twips.
constexpr double kPlateLong = 375, kPlateShort = 135, kPlateGap = 105;
constexpr double kCoilWidth = 375, kCoilStanding = 855;
constexpr double kPortMargin = 240;

using Part = LadderElement::Part;
using Placement = LadderElement::Placement;

// Draws in twips relative to the cell's rectangle.
class Pen {
public:
    Pen(QPainter& p, const QRectF& rect, double scale, const CellStyle& style)
        : m_p(p), m_origin(rect.topLeft()), m_scale(scale), m_style(style) {}

    QPointF at(double x, double y) const { return m_origin + QPointF(x * m_scale, y * m_scale); }
    QRectF box(double cx, double cy, double w, double h) const {
        return QRectF(at(cx - w / 2, cy - h / 2), QSizeF(w * m_scale, h * m_scale));
    }

    void wire(double x1, double y1, double x2, double y2) {
        m_p.setPen(QPen(m_style.wire, 2, Qt::SolidLine, Qt::FlatCap));
        m_p.drawLine(at(x1, y1), at(x2, y2));
    }

    void plate(const QRectF& r) { m_p.fillRect(r, m_style.plate); }

    void coil(const QRectF& r, bool lying) {
        m_p.save();
        m_p.setClipRect(r);
        m_p.setPen(QPen(m_style.hatch, 1));
        const double step = 60 * m_scale;
        if (lying)
            for (double x = r.left() + step / 2; x < r.right(); x += step)
                m_p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
        else
            for (double y = r.top() + step / 2; y < r.bottom(); y += step)
                m_p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        m_p.restore();
        m_p.setPen(QPen(m_style.coilBorder, 2));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawRect(r.adjusted(1, 1, -1, -1));
    }

    void text(double x, double y, const QString& s, Qt::Alignment align) {
        m_p.setPen(m_style.text);
        const QRectF r(at(x - 400, y - 150), QSizeF(800 * m_scale, 300 * m_scale));
        QRectF placed = r;
        if (align & Qt::AlignLeft) placed.moveLeft(at(x, y).x());
        if (align & Qt::AlignRight) placed.moveRight(at(x, y).x());
        m_p.drawText(placed, static_cast<int>(align | Qt::AlignVCenter), s);
    }

private:
    QPainter& m_p;
    QPointF m_origin;
    double m_scale;
    const CellStyle& m_style;
};

// One element at x, with its name; a shunt element brings its own wires
// from rail to rail.
void drawElement(Pen& pen, const LadderElement& e, const QString& name, double x, double top, double bottom,
                 double coilLength) {
    if (e.placement == Placement::Shunt) {
        const double mid = (top + bottom) / 2;
        const double half = e.part == Part::Capacitor ? (2 * kPlateShort + kPlateGap) / 2 : kCoilStanding / 2;
        pen.wire(x, top, x, mid - half);
        pen.wire(x, mid + half, x, bottom);
        if (e.part == Part::Capacitor) {
            pen.plate(pen.box(x, mid - (kPlateGap + kPlateShort) / 2, kPlateLong, kPlateShort));
            pen.plate(pen.box(x, mid + (kPlateGap + kPlateShort) / 2, kPlateLong, kPlateShort));
        } else {
            pen.coil(pen.box(x, mid, kCoilWidth, kCoilStanding), false);
        }
        pen.text(x + 260, mid, name, Qt::AlignLeft);
    } else {
        if (e.part == Part::Capacitor) {
            pen.plate(pen.box(x - (kPlateGap + kPlateShort) / 2, top, kPlateShort, kPlateLong));
            pen.plate(pen.box(x + (kPlateGap + kPlateShort) / 2, top, kPlateShort, kPlateLong));
        } else {
            pen.coil(pen.box(x, top, coilLength, kCoilWidth), true);
        }
        pen.text(x, top - 330, name, Qt::AlignHCenter);
    }
}

double halfWidth(const LadderElement& e, double coilLength) {
    if (e.placement == Placement::Shunt) return 0;
    return e.part == Part::Capacitor ? (2 * kPlateShort + kPlateGap) / 2 : coilLength / 2;
}

}  // namespace

CellDrawing::CellDrawing(TipoCella tipo, CellStyle style, CellOptions options, QWidget* parent)
    : QWidget(parent), m_tipo(tipo), m_shape(ladderShape(tipo, 3)), m_style(style), m_options(options) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CellDrawing::setShape(std::vector<LadderElement> shape) {
    m_shape = std::move(shape);
    update();
}

void CellDrawing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paint(p, rect(), m_shape, m_style, m_options, logicalDpiX() / 1440.0);
}

CellRails CellDrawing::rails(double heightPixels, const CellOptions& options, double pixelsPerTwip) {
    const double h = heightPixels / pixelsPerTwip;
    const double top = qMax(480.0, h * 0.22);
    const bool groundRoom = options.ground || options.railsToEdges;
    const double bottom = h - (groundRoom ? 560.0 : 200.0);
    return {top * pixelsPerTwip, bottom * pixelsPerTwip};
}

void CellDrawing::paint(QPainter& painter, const QRectF& rect, TipoCella tipo, const CellStyle& style,
                        const CellOptions& options, double pixelsPerTwip) {
    paint(painter, rect, ladderShape(tipo, 3), style, options, pixelsPerTwip);
}

void CellDrawing::paint(QPainter& painter, const QRectF& rect, std::span<const LadderElement> shape,
                        const CellStyle& style, const CellOptions& options, double pixelsPerTwip) {
    const std::size_t n = shape.size();
    if (n == 0) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QFont small = painter.font();
    small.setPointSizeF(8.25);
    small.setBold(true);
    painter.setFont(small);

    const double w = rect.width() / pixelsPerTwip;
    const auto [topPx, bottomPx] = rails(rect.height(), options, pixelsPerTwip);
    const double top = topPx / pixelsPerTwip;
    const double bottom = bottomPx / pixelsPerTwip;
    const bool portLines = !options.railsToEdges;
    const double xIn = options.inPort && portLines ? kPortMargin : 0;
    const double xOut = options.outPort && portLines ? w - kPortMargin : w;
    const double span = xOut - xIn;
    // A cell's three elements stand at 22, 50 and 78 % of the span; longer
    // ladders spread theirs evenly and shorten a lying coil to keep it clear
    // of its neighbours.
    const double margin = n == 3 ? 0.22 : 0.07;
    const double step = n > 1 ? span * (1 - 2 * margin) / double(n - 1) : 0;
    std::vector<double> xs(n);
    for (std::size_t i = 0; i < n; ++i) xs[i] = xIn + span * margin + step * double(i);
    const double coilLength =
        n == 3 ? options.coilLengthTwips : std::min<double>(options.coilLengthTwips, 2 * step - 240);

    Pen pen(painter, rect, pixelsPerTwip, style);

    // Top rail, broken by the series elements; bottom rail whole.
    double from = xIn;
    for (std::size_t i = 0; i < n; ++i) {
        const double half = halfWidth(shape[i], coilLength);
        if (half > 0) {
            pen.wire(from, top, xs[i] - half, top);
            from = xs[i] + half;
        }
    }
    pen.wire(from, top, xOut, top);
    pen.wire(xIn, bottom, xOut, bottom);
    for (std::size_t i = 0; i < n; ++i)
        drawElement(pen, shape[i], QString::fromStdString(elementName(shape, i)), xs[i], top, bottom, coilLength);

    if (options.railsToEdges) {
        // Chained cells: the names sit above the ends of the top rail.
        if (options.inPort) pen.text(60, top - 200, QStringLiteral("in"), Qt::AlignLeft);
        if (options.outPort) pen.text(w - 60, top - 200, QStringLiteral("out"), Qt::AlignRight);
    }

    // Ports: a vertical line at the edge, broken by its name.
    const double mid = (top + bottom) / 2;
    if (options.inPort && portLines) {
        pen.wire(xIn, top, xIn, mid - 150);
        pen.wire(xIn, mid + 150, xIn, bottom);
        pen.text(xIn, mid, QStringLiteral("in"), Qt::AlignHCenter);
    }
    if (options.outPort && portLines) {
        pen.wire(xOut, top, xOut, mid - 150);
        pen.wire(xOut, mid + 150, xOut, bottom);
        pen.text(xOut, mid, QStringLiteral("out"), Qt::AlignHCenter);
    }

    if (options.ground) {
        const double gx = (xIn + xOut) / 2;
        pen.wire(gx, bottom, gx, bottom + 120);
        pen.wire(gx - 300, bottom + 120, gx + 300, bottom + 120);
        pen.wire(gx - 180, bottom + 240, gx + 180, bottom + 240);
        pen.wire(gx - 60, bottom + 360, gx + 60, bottom + 360);
    }
    painter.restore();
}

}  // namespace ombrana
