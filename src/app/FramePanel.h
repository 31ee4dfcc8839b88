#pragma once

#include <QColor>
#include <QFrame>
#include <QString>

namespace ombrana {

// A frame as the windows draw it: a coloured panel with an etched border and
// an optional caption set into the top edge. It paints itself, which keeps
// it exact and quick compared with a styled group box.
class FramePanel : public QFrame {
    Q_OBJECT
public:
    explicit FramePanel(QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    void setCaptionColor(const QColor& color);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_caption;
    QColor m_captionColor;
    bool m_pressed = false;
};

}  // namespace ombrana
