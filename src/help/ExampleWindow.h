#pragma once

#include <span>

#include "app/CellDrawing.h"
#include "app/DesignedWindow.h"

namespace ombrana {

// One frame of an example row and the cell drawn in it.
struct ExampleCell {
    const char* frame;
    CellLayout layout;
    bool first;  // "in" at its input
    bool last;   // "out" at its output
    bool ground;
};

struct ExampleDesign {
    WindowDesign window;
    std::span<const design::Control> controls;
    std::span<const ExampleCell> cells;
    CellStyle style;
};

// A window of drawn multi-cell filters: rows of overlapping frames with a
// text at the left of each row, "CHIUDI" and "Stampa".
class ExampleWindow : public DesignedWindow {
    Q_OBJECT
public:
    explicit ExampleWindow(const ExampleDesign& design, QWidget* parent = nullptr);

public slots:
    void Command1_Click();
    void stampa_Click();
};

}  // namespace ombrana
