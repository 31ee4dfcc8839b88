#pragma once

#include <QPushButton>

namespace ombrana {

// A push button whose caption wraps onto several lines when it is wider
// than the button, as the long captions of the tool buttons need.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ombrana
