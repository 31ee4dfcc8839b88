#pragma once

#include <QPushButton>

namespace ombrana {

// The program's push button: a flat face in its palette's Button colour
// inside a raised bevel, a darker sunken face while pressed, a dotted focus
// mark in black or white, whichever stands out on the face, and a caption
// that wraps onto several lines when it is wider than the button, as the
// long captions of the tool buttons need. It paints itself rather than
// through the style, whose gradient would hide the face colour.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ombrana
