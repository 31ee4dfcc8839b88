#pragma once

#include <QProxyStyle>

namespace ombrana {

// Hands the style one and the same palette object for every set of equal
// colours. The style names the images it caches after the palette's
// identity, which is new for each widget under a window with colours of its
// own, and Qt keeps every such name until the program ends, even after
// dropping the image: without this, memory would grow with every window
// opened. With it, the names repeat and the cached images are reused.
//
// It is also where the program's own look and habits that a style decides
// live: flat scroll bars with a handle that reads as one (ScrollBarLook.h),
// and a lone Alt press moving into the window's menu bar.
class SteadyPaletteStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};

}  // namespace ombrana
