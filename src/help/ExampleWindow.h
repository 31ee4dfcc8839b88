#pragma once

#include "app/DesignedWindow.h"
#include "app/LadderDrawing.h"

#include <span>

namespace ombrana {

// One frame of an example row and the cell drawn in it.
struct ExampleCell {
    const char* frame;
    TipoCella kind;        // a low-pass cell carries a ground sign
    bool inPort = false;   // "in" at its input
    bool outPort = false;  // "out" at its output
};

struct ExampleDesign {
    WindowDesign window;
    std::span<const design::Control> controls;
    std::span<const ExampleCell> cells;
    DrawingStyle style;
};

// A window of drawn multi-cell filters: rows of overlapping frames with a
// text at the left of each row, "CHIUDI" and "Stampa".
class ExampleWindow : public DesignedWindow {
    Q_OBJECT
public:
    explicit ExampleWindow(const ExampleDesign& design, QWidget* parent = nullptr);

private:
    // Handlers of the button and the menu entry, named by the caption they answer.
    void chiudi();
    void stampa();
};

}  // namespace ombrana
