#include "calculator/ReadoutLabel.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace ombrana {

namespace {
constexpr int kMargin = 2;      // pixels kept free at each side of the text
constexpr double kStep = 0.25;  // points taken off at each try
}  // namespace

ReadoutLabel::ReadoutLabel(QWidget* parent) : QLabel(parent) {}

QRect ReadoutLabel::textRect() const {
    return contentsRect().adjusted(kMargin, 0, -kMargin, 0);
}

ReadoutLabel::Fit ReadoutLabel::fit() const {
    const QString full = text();
    const double room = textRect().width();
    QFont f = font();
    double points = f.pointSizeF();
    while (QFontMetricsF(f).horizontalAdvance(full) > room && points > kSmallestPoints) {
        points = std::max(kSmallestPoints, points - kStep);
        f.setPointSizeF(points);
    }
    const QFontMetricsF metrics(f);
    if (metrics.horizontalAdvance(full) <= room) return {f, full};
    return {f, metrics.elidedText(full, Qt::ElideLeft, room)};
}

void ReadoutLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const Fit shown = fit();
    painter.setFont(shown.font);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(textRect(), static_cast<int>(alignment()), shown.text);
}

}  // namespace ombrana
