#include "app/ScrollBarLook.h"

#include "app/DesignLook.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace ombrana {
namespace {

QRect partOf(const QStyle& style, const QStyleOptionSlider& bar, QStyle::SubControl part, const QWidget* widget) {
    return style.subControlRect(QStyle::CC_ScrollBar, &bar, part, widget);
}

bool pressed(const QStyleOptionSlider& bar, QStyle::SubControl part) {
    return (bar.state & QStyle::State_Sunken) && (bar.activeSubControls & part);
}

void paintArrowButton(const QStyle& style, const QStyleOptionSlider& bar, QStyle::SubControl part, QPainter& painter,
                      const QWidget* widget) {
    const QRect button = partOf(style, bar, part, widget);
    if (button.isEmpty()) return;
    const QColor groove = design::colour(design::kScrollGroove);
    painter.fillRect(button, pressed(bar, part) ? groove.darker(125) : groove);

    const bool horizontal = bar.orientation == Qt::Horizontal;
    const bool towardsStart = part == QStyle::SC_ScrollBarSubLine;
    QStyle::PrimitiveElement arrow;
    if (horizontal)
        arrow = towardsStart == (bar.direction == Qt::LeftToRight) ? QStyle::PE_IndicatorArrowLeft
                                                                   : QStyle::PE_IndicatorArrowRight;
    else
        arrow = towardsStart ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown;
    QStyleOption glyph;
    glyph.QStyleOption::operator=(bar);
    glyph.rect = button.adjusted(2, 2, -2, -2);
    glyph.state &= ~QStyle::State_Sunken;
    const QColor ink = design::colour(design::kScrollArrow);
    for (auto role : {QPalette::ButtonText, QPalette::WindowText, QPalette::Text}) glyph.palette.setColor(role, ink);
    style.drawPrimitive(arrow, &glyph, &painter, widget);
}

}  // namespace

void paintScrollBar(const QStyle& style, const QStyleOptionSlider& bar, QPainter& painter, const QWidget* widget) {
    painter.save();
    painter.fillRect(bar.rect, design::colour(design::kScrollGroove));

    if (bar.subControls & QStyle::SC_ScrollBarSlider && bar.maximum > bar.minimum) {
        // Inset across the bar only, so that the handle keeps the length
        // that the style gives it.
        const bool horizontal = bar.orientation == Qt::Horizontal;
        const QRect slider =
            partOf(style, bar, QStyle::SC_ScrollBarSlider, widget)
                .adjusted(horizontal ? 0 : 2, horizontal ? 2 : 0, horizontal ? 0 : -2, horizontal ? -2 : 0);
        QColor handle = design::colour(design::kScrollHandle);
        if (!(bar.state & QStyle::State_Enabled))
            handle = handle.lighter(130);
        else if (pressed(bar, QStyle::SC_ScrollBarSlider))
            handle = handle.darker(140);
        else if ((bar.state & QStyle::State_MouseOver) && (bar.activeSubControls & QStyle::SC_ScrollBarSlider))
            handle = handle.darker(115);
        painter.fillRect(slider, handle);
    }
    if (bar.subControls & QStyle::SC_ScrollBarSubLine)
        paintArrowButton(style, bar, QStyle::SC_ScrollBarSubLine, painter, widget);
    if (bar.subControls & QStyle::SC_ScrollBarAddLine)
        paintArrowButton(style, bar, QStyle::SC_ScrollBarAddLine, painter, widget);
    painter.restore();
}

}  // namespace ombrana
