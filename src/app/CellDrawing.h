#pragma once

#include "app/DesignLook.h"
#include "app/core/Ladder.h"
#include "app/core/TipoCella.h"

#include <QColor>
#include <QWidget>

#include <span>
#include <vector>

class QPainter;

namespace ombrana {

struct CellStyle {
    QColor wire = Qt::white;
    QColor plate = design::colour(design::kLavender);
    QColor coilBorder = Qt::white;
    QColor hatch = Qt::red;
    QColor text = Qt::white;
};

struct CellOptions {
    bool inPort = true;         // vertical port line with "in" at the left edge
    bool outPort = true;        // and with "out" at the right edge
    bool ground = true;         // ground sign under the bottom rail
    int coilLengthTwips = 855;  // a lying coil's box: 855 (pi cells) or 735 (T cells)
    // Rails run from edge to edge so that neighbouring cells read as one
    // chained filter; "in" and "out" then sit above the rail ends, and the
    // rails keep the ground's room even without a ground sign, so that they
    // line up with the next cell's.
    bool railsToEdges = false;
};

// Where a cell's rails run, in pixels from the top of its rectangle.
struct CellRails {
    double top;
    double bottom;
};

// The drawing of a filter: a top rail from input to output, a ground rail
// along the foot, and the elements of a cell or of any ladder of 3 to 9
// elements, each with its name. One painter serves the windows, printed
// pages and test images alike.
class CellDrawing : public QWidget {
    Q_OBJECT
public:
    CellDrawing(TipoCella tipo, CellStyle style, CellOptions options, QWidget* parent = nullptr);

    TipoCella tipo() const { return m_tipo; }

    // Draws that ladder instead of the cell's three elements.
    void setShape(std::vector<LadderElement> shape);
    const std::vector<LadderElement>& shape() const { return m_shape; }

    // Paints the cell in rect; sizes are worked out in twips and scaled by
    // pixelsPerTwip (1/15 at 96 dpi).
    static void paint(QPainter& painter, const QRectF& rect, TipoCella tipo, const CellStyle& style,
                      const CellOptions& options, double pixelsPerTwip);
    static void paint(QPainter& painter, const QRectF& rect, std::span<const LadderElement> shape,
                      const CellStyle& style, const CellOptions& options, double pixelsPerTwip);

    static CellRails rails(double heightPixels, const CellOptions& options, double pixelsPerTwip);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TipoCella m_tipo;
    std::vector<LadderElement> m_shape;
    CellStyle m_style;
    CellOptions m_options;
};

}  // namespace ombrana
