#include "app/FramePanel.h"

#include "app/DesignLook.h"

#include <QMouseEvent>
#include <QPainter>

namespace ombrana {

FramePanel::FramePanel(QWidget* parent) : QFrame(parent), m_captionColor(design::colour(design::kBlack)) {
    setAutoFillBackground(true);
}

void FramePanel::setCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void FramePanel::setCaptionColor(const QColor& color) {
    m_captionColor = color;
    update();
}

void FramePanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm(font());
    const int top = m_caption.isEmpty() ? 0 : fm.height() / 2;
    const QRect box = rect().adjusted(0, top, -1, -1);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(box.adjusted(1, 1, 0, 0));
    if (m_caption.isEmpty()) return;
    const QRect text(8, 0, fm.horizontalAdvance(m_caption) + 4, fm.height());
    p.fillRect(text, palette().color(QPalette::Window));
    p.setPen(m_captionColor);
    p.drawText(text, Qt::AlignCenter, m_caption);
}

void FramePanel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void FramePanel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click) emit clicked();
}

}  // namespace ombrana
