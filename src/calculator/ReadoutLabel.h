#pragma once

#include <QFont>
#include <QLabel>

namespace ombrana {

// The calculator's display. Its text is the whole working text; when that
// is wider than the label the font shrinks, down to a smallest size, so
// that every digit stays in sight. Only a typed entry longer than even the
// smallest font can hold is cut, at the left: the digits being typed and
// the comma stay visible.
class ReadoutLabel : public QLabel {
    Q_OBJECT
public:
    static constexpr double kSmallestPoints = 6.0;

    explicit ReadoutLabel(QWidget* parent = nullptr);

    struct Fit {
        QFont font;
        QString text;  // what is drawn: the text, or its tail after an ellipsis
    };
    // How the current text is drawn in the current size.
    Fit fit() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRect() const;
};

}  // namespace ombrana
