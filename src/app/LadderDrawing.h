#pragma once

#include "app/DesignLook.h"
#include "app/core/Ladder.h"
#include "app/core/TipoCella.h"

#include <QColor>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <span>
#include <vector>

class QFont;
class QFontMetricsF;
class QPainter;

namespace ombrana {

struct DrawingStyle {
    QColor wire = design::colour(design::kWhite);
    QColor plate = design::colour(design::kLavender);
    QColor coilBorder = design::colour(design::kWhite);
    QColor hatch = design::colour(design::kRed);
    QColor text = design::colour(design::kWhite);
};

struct DrawingOptions {
    bool inPort = true;         // vertical port line with "in" at the left edge
    bool outPort = true;        // and with "out" at the right edge
    bool ground = true;         // ground sign under the bottom rail
    int coilLengthTwips = 855;  // a lying coil's box: 855 (pi cells) or 735 (T cells)
    // Rails run from edge to edge so that neighbouring cells read as one
    // chained filter; "in" and "out" then sit above the rail ends, and the
    // rails keep the ground's room even without a ground sign, so that they
    // line up with the next cell's.
    bool railsToEdges = false;
    // The pens' widths are pixels at 96 dpi; a page painted at a printer's
    // resolution passes its pixels per screen pixel, so that its lines keep
    // the screen's weight.
    double penScale = 1;
};

// Where a cell's rails run, in pixels from the top of its rectangle.
struct LadderRails {
    double top;
    double bottom;
};

// Where the parts of a drawing land, in pixels of the painted rectangle.
struct LadderLayout {
    struct Element {
        QRectF body;   // the two plates or the coil
        QRectF name;   // the name's text
        QString text;  // "C1", "L2"
    };
    std::vector<Element> elements;  // from input to output
    std::vector<QRectF> ports;      // the "in" and "out" texts
    LadderRails rails;
};

// The drawing of a filter: a top rail from input to output, a ground rail
// along the foot, and the elements of a cell or of any ladder of 3 to 9
// elements, each with its name. One painter serves the windows, printed
// pages and test images alike.
class LadderDrawing : public QWidget {
    Q_OBJECT
public:
    LadderDrawing(TipoCella kind, DrawingStyle style, DrawingOptions options, QWidget* parent = nullptr);

    TipoCella kind() const { return m_kind; }

    // Draws that ladder instead of the cell's three elements.
    void setShape(std::vector<LadderElement> shape);
    const std::vector<LadderElement>& shape() const { return m_shape; }

    // Paints the cell in rect; sizes are worked out in twips and scaled by
    // pixelsPerTwip (1/15 at 96 dpi).
    static void paint(QPainter& painter, const QRectF& rect, TipoCella kind, const DrawingStyle& style,
                      const DrawingOptions& options, double pixelsPerTwip);
    static void paint(QPainter& painter, const QRectF& rect, std::span<const LadderElement> shape,
                      const DrawingStyle& style, const DrawingOptions& options, double pixelsPerTwip);

    static LadderRails rails(double heightPixels, const DrawingOptions& options, double pixelsPerTwip);

    // What paint() puts where, its names measured with names (the metrics of
    // nameFont() on the painter's device).
    static LadderLayout layout(const QRectF& rect, std::span<const LadderElement> shape, const DrawingOptions& options,
                               double pixelsPerTwip, const QFontMetricsF& names);

    // The names' font: the painter's family, 8.25 points, bold.
    static QFont nameFont(const QFont& base);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TipoCella m_kind;
    std::vector<LadderElement> m_shape;
    DrawingStyle m_style;
    DrawingOptions m_options;
};

}  // namespace ombrana
