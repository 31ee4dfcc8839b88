#include "app/SteadyPaletteStyle.h"

#include "app/ScrollBarLook.h"

#include <QHash>
#include <QPalette>
#include <QStyleOption>

namespace ombrana {

namespace {

// The first palette seen with these colours; the program has only a few
// sets of colours, so the table stays small.
const QPalette& steady(const QPalette& palette) {
    static QHash<QByteArray, QPalette> seen;
    QByteArray colours;
    constexpr int kColours = int(QPalette::NColorGroups) * int(QPalette::NColorRoles);
    colours.reserve(kColours * int(sizeof(QRgb)));
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const QRgb rgba = palette.color(QPalette::ColorGroup(group), QPalette::ColorRole(role)).rgba();
            colours.append(reinterpret_cast<const char*>(&rgba), sizeof rgba);
        }
    }
    const auto it = seen.constFind(colours);
    return it != seen.cend() ? *it : *seen.insert(colours, palette);
}

// Lends the option the steady palette while the base style draws it. The
// options come from the widgets' paint events, which own them.
class SteadyOption {
public:
    explicit SteadyOption(const QStyleOption* option)
        : m_option(const_cast<QStyleOption*>(option)), m_own(option->palette) {
        m_option->palette = steady(m_own);
    }
    ~SteadyOption() { m_option->palette = m_own; }
    SteadyOption(const SteadyOption&) = delete;
    SteadyOption& operator=(const SteadyOption&) = delete;

private:
    QStyleOption* m_option;
    QPalette m_own;
};

}  // namespace

int SteadyPaletteStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                  QStyleHintReturn* returnData) const {
    if (hint == SH_MenuBar_AltKeyNavigation) return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void SteadyPaletteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                       const QWidget* widget) const {
    const SteadyOption steadyOption(option);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void SteadyPaletteStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const {
    const SteadyOption steadyOption(option);
    QProxyStyle::drawControl(element, option, painter, widget);
}

void SteadyPaletteStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                            QPainter* painter, const QWidget* widget) const {
    if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option); bar && control == CC_ScrollBar) {
        paintScrollBar(*this, *bar, *painter, widget);
        return;
    }
    const SteadyOption steadyOption(option);
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

}  // namespace ombrana
