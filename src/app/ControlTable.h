#pragma once

#include <QHash>
#include <QString>

#include <span>

class QFont;
class QWidget;

namespace ombrana::design {

// Positions and sizes are in twips, 1440 to the inch: 15 twips make one
// pixel at 96 logical dots per inch.
int twipsToPixels(int twips, double logicalDpi = 96.0);

enum class Kind {
    Label,
    Button,
    Field,     // single-line text field, numeric entry filter unless NoKeyFilter
    Frame,     // FramePanel; text is its caption, fg the caption colour
    Combo,     // editable combo box; text is the initial edit text
    PickList,  // combo box that only picks from its list; text is unused
    Picture,   // stretched image; text names it in app/Pictures.h
    TextBox,   // multi-line text box, read-only; text is its content
    List,      // list of rows to choose from; text is unused
};

enum Flag : unsigned {
    NoFlags = 0,
    Hidden = 1u << 0,
    Centre = 1u << 1,
    Right = 1u << 2,
    AutoSize = 1u << 3,     // label sized to its text, keeping its top-left corner inside its frame
    Transparent = 1u << 4,  // label without a ground of its own
    Border = 1u << 5,       // fixed single border
    ScrollBar = 1u << 6,    // text box with a vertical scroll bar
    NoKeyFilter = 1u << 7,  // field without the numeric filter
    WordWrap = 1u << 8,
};

struct Font {
    const char* family = nullptr;  // nullptr: the window's font
    double points = 8.25;
    bool bold = true;
    bool underline = false;
};

inline constexpr int kDefault = -1;

// A rectangle in twips: the corner inside its parent, then the size.
struct Twips {
    int left, top, width, height;
};

// One control of a window's design, one row of its table. Rows name their
// values: {.kind = Kind::Button, .name = "Command6", .at = {...}, .text = "CALCOLA", ...}.
struct Control {
    Kind kind;
    const char* name;
    const char* in = nullptr;  // the Frame row that holds it; nullptr: the design area
    Twips at;
    const char* text = "";
    Font font = {};
    int fg = kDefault;  // 0xRRGGBB
    int bg = kDefault;  // 0xRRGGBB
    unsigned flags = NoFlags;
    const char* tip = nullptr;
    const char* labelledBy = nullptr;  // the Label row whose caption names it for screen readers
};

QFont makeFont(const Font& font, const QFont& base);

// Creates the controls of the table inside area, in table order, and
// returns them by name.
QHash<QString, QWidget*> build(QWidget* area, std::span<const Control> rows);

// Places a widget at a twips rectangle of its parent.
void place(QWidget* widget, Twips at);

}  // namespace ombrana::design
