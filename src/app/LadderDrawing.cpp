#include "app/LadderDrawing.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace ombrana {
namespace {

// Sizes of the parts, in twips.
constexpr double kPlateLong = 375, kPlateShort = 135, kPlateGap = 105;
constexpr double kCoilWidth = 375, kCoilStanding = 855;
constexpr double kPortMargin = 240;
constexpr double kShuntNameGap = 260;    // from a shunt element's axis to its name
constexpr double kSeriesNameRise = 330;  // a series element's name, above the top rail
constexpr double kJunctionRoom = 120;    // the least rail between a lying coil and a junction or a port line
constexpr double kTextRoom = 120;        // the least room between a name and a port's name

using Part = LadderElement::Part;
using Placement = LadderElement::Placement;

const QString kIn = QStringLiteral("in");
const QString kOut = QStringLiteral("out");

// Twips of the drawing's rectangle to pixels.
class Twips {
public:
    Twips(const QRectF& rect, double scale) : m_origin(rect.topLeft()), m_scale(scale) {}

    double scale() const { return m_scale; }
    QPointF at(double x, double y) const { return m_origin + QPointF(x * m_scale, y * m_scale); }
    QRectF box(double cx, double cy, double w, double h) const {
        return QRectF(at(cx - w / 2, cy - h / 2), QSizeF(w * m_scale, h * m_scale));
    }
    // The box a text is aligned in: 800 x 300 twips around the point, or
    // starting or ending at it.
    QRectF textBox(double x, double y, Qt::Alignment align) const {
        QRectF r(at(x - 400, y - 150), QSizeF(800 * m_scale, 300 * m_scale));
        if (align & Qt::AlignLeft) r.moveLeft(at(x, y).x());
        if (align & Qt::AlignRight) r.moveRight(at(x, y).x());
        return r;
    }

private:
    QPointF m_origin;
    double m_scale;
};

// Draws in twips relative to the cell's rectangle.
class Pen {
public:
    Pen(QPainter& p, const Twips& twips, const DrawingStyle& style, double penScale)
        : m_p(p), m_t(twips), m_style(style), m_width(penScale) {}

    QRectF box(double cx, double cy, double w, double h) const { return m_t.box(cx, cy, w, h); }

    void wire(double x1, double y1, double x2, double y2) {
        m_p.setPen(QPen(m_style.wire, 2 * m_width, Qt::SolidLine, Qt::FlatCap));
        m_p.drawLine(m_t.at(x1, y1), m_t.at(x2, y2));
    }

    void plate(const QRectF& r) { m_p.fillRect(r, m_style.plate); }

    void coil(const QRectF& r, bool lying) {
        m_p.save();
        m_p.setClipRect(r);
        m_p.setPen(QPen(m_style.hatch, m_width));
        const double step = 60 * m_t.scale();
        if (lying)
            for (double x = r.left() + step / 2; x < r.right(); x += step)
                m_p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
        else
            for (double y = r.top() + step / 2; y < r.bottom(); y += step)
                m_p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        m_p.restore();
        m_p.setPen(QPen(m_style.coilBorder, 2 * m_width));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawRect(r.adjusted(m_width, m_width, -m_width, -m_width));
    }

    void text(double x, double y, const QString& s, Qt::Alignment align) {
        m_p.setPen(m_style.text);
        m_p.drawText(m_t.textBox(x, y, align), static_cast<int>(align | Qt::AlignVCenter), s);
    }

private:
    QPainter& m_p;
    const Twips& m_t;
    const DrawingStyle& m_style;
    double m_width;  // a thin line
};

// The drawing's frame in twips: the rails, the port lines and where the
// elements stand.
struct Frame {
    double width = 0;
    double top = 0, bottom = 0;
    double xIn = 0, xOut = 0;
    bool portLines = true;
    std::vector<double> xs;
    double coilLength = 0;  // a lying coil's box
};

double halfWidth(const LadderElement& e, double coilLength) {
    if (e.placement == Placement::Shunt) return 0;
    return e.part == Part::Capacitor ? (2 * kPlateShort + kPlateGap) / 2 : coilLength / 2;
}

// A cell's three elements stand at 22, 50 and 78 % of the span between the
// ports. Other ladders stand at an even pitch: an end element in series
// keeps a whole pitch to its port, as to its neighbours, and its coil is
// shortened to leave rail on both sides; an end element in shunt keeps three
// quarters of a pitch, or the room that its name and the port's need.
void placeElements(Frame& f, std::span<const LadderElement> shape, const DrawingOptions& options, double scale,
                   const QFontMetricsF& names) {
    const std::size_t n = shape.size();
    const double span = f.xOut - f.xIn;
    if (n == 3) {
        f.xs = {f.xIn + span * 0.22, f.xIn + span * 0.5, f.xIn + span * 0.78};
        f.coilLength = options.coilLengthTwips;
        return;
    }
    const double left = kPortMargin, right = f.width - kPortMargin;
    if (n == 1) {
        f.xs = {(left + right) / 2};
        f.coilLength = std::clamp(right - left - 2 * kJunctionRoom, 0.0, double(options.coilLengthTwips));
        return;
    }
    const auto twipsWide = [&](const QString& s) { return names.horizontalAdvance(s) / scale; };
    const bool firstShunt = shape.front().placement == Placement::Shunt;
    const bool lastShunt = shape.back().placement == Placement::Shunt;
    const int shuntEnds = int(firstShunt) + int(lastShunt);
    double need = 0;
    if (firstShunt) {
        const double port = options.inPort && f.portLines ? twipsWide(kIn) / 2 : 0;
        need = kPlateLong / 2 + port + kTextRoom;
    }
    if (lastShunt) {
        const double port = options.outPort && f.portLines ? twipsWide(kOut) / 2 : 0;
        const QString name = QString::fromStdString(elementName(shape, n - 1));
        need = std::max(need, kShuntNameGap + twipsWide(name) + port + kTextRoom);
    }
    const double seriesEnds = 2 - shuntEnds;
    double pitch = (right - left) / (double(n - 1) + seriesEnds + 0.75 * shuntEnds);
    double shuntGap = 0.75 * pitch;
    if (shuntEnds > 0 && shuntGap < need) {
        shuntGap = need;
        pitch = (right - left - shuntEnds * need) / (double(n - 1) + seriesEnds);
    }
    pitch = std::max(pitch, 0.0);
    const double first = left + (firstShunt ? shuntGap : pitch);
    f.xs.resize(n);
    for (std::size_t i = 0; i < n; ++i) f.xs[i] = first + pitch * double(i);
    f.coilLength = std::clamp(2 * pitch - 2 * kJunctionRoom, 0.0, double(options.coilLengthTwips));
}

Frame frameOf(const QRectF& rect, std::span<const LadderElement> shape, const DrawingOptions& options, double scale,
              const QFontMetricsF& names) {
    Frame f;
    f.width = rect.width() / scale;
    const auto [topPx, bottomPx] = LadderDrawing::rails(rect.height(), options, scale);
    f.top = topPx / scale;
    f.bottom = bottomPx / scale;
    f.portLines = !options.railsToEdges;
    f.xIn = options.inPort && f.portLines ? kPortMargin : 0;
    f.xOut = options.outPort && f.portLines ? f.width - kPortMargin : f.width;
    placeElements(f, shape, options, scale, names);
    return f;
}

// An element's plates or coil: centre and size in twips.
struct Body {
    double cx, cy, w, h;
};

Body bodyOf(const LadderElement& e, double x, const Frame& f) {
    const bool capacitor = e.part == Part::Capacitor;
    if (e.placement == Placement::Shunt)
        return {x, (f.top + f.bottom) / 2, capacitor ? kPlateLong : kCoilWidth,
                capacitor ? 2 * kPlateShort + kPlateGap : kCoilStanding};
    return {x, f.top, capacitor ? 2 * kPlateShort + kPlateGap : f.coilLength, capacitor ? kPlateLong : kCoilWidth};
}

// Where an element's name goes: right of a shunt element, above a series one.
struct NamePlace {
    double x, y;
    Qt::Alignment align;
};

NamePlace nameOf(const LadderElement& e, double x, const Frame& f) {
    if (e.placement == Placement::Shunt) return {x + kShuntNameGap, (f.top + f.bottom) / 2, Qt::AlignLeft};
    return {x, f.top - kSeriesNameRise, Qt::AlignHCenter};
}

// One element at x, with its name; a shunt element brings its own wires
// from rail to rail.
void drawElement(Pen& pen, const LadderElement& e, const QString& name, double x, const Frame& f) {
    const Body b = bodyOf(e, x, f);
    if (e.placement == Placement::Shunt) {
        pen.wire(x, f.top, x, b.cy - b.h / 2);
        pen.wire(x, b.cy + b.h / 2, x, f.bottom);
    }
    if (e.part == Part::Capacitor) {
        // Two plates across the element's line, a gap between them.
        const double off = (kPlateGap + kPlateShort) / 2;
        if (e.placement == Placement::Shunt) {
            pen.plate(pen.box(x, b.cy - off, kPlateLong, kPlateShort));
            pen.plate(pen.box(x, b.cy + off, kPlateLong, kPlateShort));
        } else {
            pen.plate(pen.box(x - off, b.cy, kPlateShort, kPlateLong));
            pen.plate(pen.box(x + off, b.cy, kPlateShort, kPlateLong));
        }
    } else {
        pen.coil(pen.box(b.cx, b.cy, b.w, b.h), e.placement == Placement::Series);
    }
    const NamePlace at = nameOf(e, x, f);
    pen.text(at.x, at.y, name, at.align);
}

struct PortText {
    const QString& text;
    double x, y;
    Qt::Alignment align;
};

// The ports' names: on the port lines, or above the rail ends of chained
// cells.
std::vector<PortText> portTexts(const DrawingOptions& options, const Frame& f) {
    std::vector<PortText> texts;
    const double mid = (f.top + f.bottom) / 2;
    if (options.railsToEdges) {
        if (options.inPort) texts.push_back({kIn, 60, f.top - 200, Qt::AlignLeft});
        if (options.outPort) texts.push_back({kOut, f.width - 60, f.top - 200, Qt::AlignRight});
    } else {
        if (options.inPort) texts.push_back({kIn, f.xIn, mid, Qt::AlignHCenter});
        if (options.outPort) texts.push_back({kOut, f.xOut, mid, Qt::AlignHCenter});
    }
    return texts;
}

}  // namespace

LadderDrawing::LadderDrawing(TipoCella kind, DrawingStyle style, DrawingOptions options, QWidget* parent)
    : QWidget(parent), m_kind(kind), m_shape(ladderShape(kind, 3)), m_style(style), m_options(options) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LadderDrawing::setShape(std::vector<LadderElement> shape) {
    m_shape = std::move(shape);
    update();
}

void LadderDrawing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paint(p, rect(), m_shape, m_style, m_options, logicalDpiX() / 1440.0);
}

LadderRails LadderDrawing::rails(double heightPixels, const DrawingOptions& options, double pixelsPerTwip) {
    const double h = heightPixels / pixelsPerTwip;
    const double top = qMax(480.0, h * 0.22);
    const bool groundRoom = options.ground || options.railsToEdges;
    const double bottom = h - (groundRoom ? 560.0 : 200.0);
    return {top * pixelsPerTwip, bottom * pixelsPerTwip};
}

QFont LadderDrawing::nameFont(const QFont& base) {
    return design::makeFont(design::kCellNames, base);
}

LadderLayout LadderDrawing::layout(const QRectF& rect, std::span<const LadderElement> shape,
                                   const DrawingOptions& options, double pixelsPerTwip, const QFontMetricsF& names) {
    LadderLayout out{.elements = {}, .ports = {}, .rails = rails(rect.height(), options, pixelsPerTwip)};
    if (shape.empty()) return out;
    const Frame f = frameOf(rect, shape, options, pixelsPerTwip, names);
    const Twips t(rect, pixelsPerTwip);
    const auto textRect = [&](const QString& s, double x, double y, Qt::Alignment align) {
        return names.boundingRect(t.textBox(x, y, align), static_cast<int>(align | Qt::AlignVCenter), s);
    };
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const Body b = bodyOf(shape[i], f.xs[i], f);
        const NamePlace at = nameOf(shape[i], f.xs[i], f);
        const QString name = QString::fromStdString(elementName(shape, i));
        out.elements.push_back(
            {.body = t.box(b.cx, b.cy, b.w, b.h), .name = textRect(name, at.x, at.y, at.align), .text = name});
    }
    for (const PortText& p : portTexts(options, f)) out.ports.push_back(textRect(p.text, p.x, p.y, p.align));
    return out;
}

void LadderDrawing::paint(QPainter& painter, const QRectF& rect, TipoCella kind, const DrawingStyle& style,
                          const DrawingOptions& options, double pixelsPerTwip) {
    paint(painter, rect, ladderShape(kind, 3), style, options, pixelsPerTwip);
}

void LadderDrawing::paint(QPainter& painter, const QRectF& rect, std::span<const LadderElement> shape,
                          const DrawingStyle& style, const DrawingOptions& options, double pixelsPerTwip) {
    if (shape.empty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(nameFont(painter.font()));
    const Frame f = frameOf(rect, shape, options, pixelsPerTwip, QFontMetricsF(painter.font(), painter.device()));
    const Twips twips(rect, pixelsPerTwip);
    Pen pen(painter, twips, style, options.penScale);

    // Top rail, broken by the series elements; bottom rail whole.
    double from = f.xIn;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const double half = halfWidth(shape[i], f.coilLength);
        if (half > 0) {
            pen.wire(from, f.top, f.xs[i] - half, f.top);
            from = f.xs[i] + half;
        }
    }
    pen.wire(from, f.top, f.xOut, f.top);
    pen.wire(f.xIn, f.bottom, f.xOut, f.bottom);
    for (std::size_t i = 0; i < shape.size(); ++i)
        drawElement(pen, shape[i], QString::fromStdString(elementName(shape, i)), f.xs[i], f);

    // Ports: a vertical line at the edge, broken by its name.
    const double mid = (f.top + f.bottom) / 2;
    if (f.portLines) {
        if (options.inPort) {
            pen.wire(f.xIn, f.top, f.xIn, mid - 150);
            pen.wire(f.xIn, mid + 150, f.xIn, f.bottom);
        }
        if (options.outPort) {
            pen.wire(f.xOut, f.top, f.xOut, mid - 150);
            pen.wire(f.xOut, mid + 150, f.xOut, f.bottom);
        }
    }
    for (const PortText& p : portTexts(options, f)) pen.text(p.x, p.y, p.text, p.align);

    if (options.ground) {
        const double gx = (f.xIn + f.xOut) / 2;
        pen.wire(gx, f.bottom, gx, f.bottom + 120);
        pen.wire(gx - 300, f.bottom + 120, gx + 300, f.bottom + 120);
        pen.wire(gx - 180, f.bottom + 240, gx + 180, f.bottom + 240);
        pen.wire(gx - 60, f.bottom + 360, gx + 60, f.bottom + 360);
    }
    painter.restore();
}

}  // namespace ombrana
