#include "app/WrapButton.h"

#include "app/CaptionBreaks.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ombrana {

void WrapButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    // A caption wraps at its blanks only: "Pi-Greco" stays whole.
    QString caption = bracketsJoined(text());
    const QChar nonBreakingHyphen(0x2011);
    if (QFontMetrics(font()).inFont(nonBreakingHyphen)) caption.replace(QLatin1Char('-'), nonBreakingHyphen);
    const int shift = isDown() ? 1 : 0;
    p.drawText(rect().adjusted(3 + shift, 2 + shift, -3 + shift, -2 + shift), Qt::AlignCenter | Qt::TextWordWrap,
               caption);
}

}  // namespace ombrana
