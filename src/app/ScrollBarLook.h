#pragma once

class QPainter;
class QStyle;
class QStyleOptionSlider;
class QWidget;

namespace ombrana {

// Paints a scroll bar flat: a light groove with the arrow buttons at its
// ends and one darker handle where the style's own geometry puts the
// slider, so that the handle reads as the handle at any scale. The style's
// gradients drew a light slider on a darker groove, which reads the other
// way round: a handle at the wrong end, or two of them.
void paintScrollBar(const QStyle& style, const QStyleOptionSlider& bar, QPainter& painter, const QWidget* widget);

}  // namespace ombrana
