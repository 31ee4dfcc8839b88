#include "app/WrapButton.h"

#include "app/CaptionBreaks.h"
#include "app/DesignLook.h"

#include <QPainter>
#include <qdrawutil.h>

#include <cmath>

namespace ombrana {

namespace {

// Black or white, whichever contrasts more with the face: black once the
// face's relative luminance passes 0.18, where the two contrasts are equal.
// Bright green and red thus get black, blue and teal white.
QColor contrastingWith(const QColor& face) {
    const auto linear = [](float channel) {
        return channel <= 0.04045f ? channel / 12.92f : std::pow((channel + 0.055f) / 1.055f, 2.4f);
    };
    const float luminance =
        0.2126f * linear(face.redF()) + 0.7152f * linear(face.greenF()) + 0.0722f * linear(face.blueF());
    return design::colour(luminance > 0.18f ? design::kBlack : design::kWhite);
}

}  // namespace

void WrapButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool sunken = isDown() || isChecked();
    const QColor face = palette().color(QPalette::Button);
    const QBrush fill(sunken ? face.darker(130) : face);
    qDrawWinButton(&p, rect(), palette(), sunken, &fill);

    if (hasFocus()) {
        p.setPen(QPen(contrastingWith(fill.color()), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(3, 3, -4, -4));
    }

    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    // A caption wraps at its blanks only: "Pi-Greco" stays whole.
    QString caption = bracketsJoined(text());
    const QChar nonBreakingHyphen(0x2011);
    if (QFontMetrics(font()).inFont(nonBreakingHyphen)) caption.replace(QLatin1Char('-'), nonBreakingHyphen);
    const int shift = sunken ? 1 : 0;
    p.drawText(rect().adjusted(3 + shift, 2 + shift, -3 + shift, -2 + shift), Qt::AlignCenter | Qt::TextWordWrap,
               caption);
}

}  // namespace ombrana
