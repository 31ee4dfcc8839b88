#pragma once

#include "app/DesignLook.h"
#include "app/core/TipoCella.h"

#include <QColor>
#include <QWidget>

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

// The drawing of one filter cell: a top rail from input to output, a ground
// rail along the foot, and the three elements. One painter serves the
// windows, printed pages and test images alike.
class CellDrawing : public QWidget {
    Q_OBJECT
public:
    CellDrawing(TipoCella tipo, CellStyle style, CellOptions options, QWidget* parent = nullptr);

    TipoCella tipo() const { return m_tipo; }

    // Paints the cell in rect; sizes are worked out in twips and scaled by
    // pixelsPerTwip (1/15 at 96 dpi).
    static void paint(QPainter& painter, const QRectF& rect, TipoCella tipo, const CellStyle& style,
                      const CellOptions& options, double pixelsPerTwip);

    static CellRails rails(double heightPixels, const CellOptions& options, double pixelsPerTwip);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TipoCella m_tipo;
    CellStyle m_style;
    CellOptions m_options;
};

}  // namespace ombrana
