#include "app/ControlTable.h"

#include "app/AccessibleNames.h"
#include "app/DesignLook.h"
#include "app/FramePanel.h"
#include "app/KeyFilter.h"
#include "app/Pictures.h"
#include "app/WrapButton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cmath>

namespace ombrana::design {

int twipsToPixels(int twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / 1440.0));
}

namespace {

double dpiOf(const QWidget* w) {
    return w ? w->logicalDpiX() : 96.0;
}

void applyColours(QWidget* w, const Control& row, QPalette::ColorRole ground, QPalette::ColorRole text) {
    QPalette pal = w->palette();
    if (row.fg != kDefault) {
        pal.setColor(text, colour(row.fg));
        pal.setColor(QPalette::WindowText, colour(row.fg));
    }
    if (row.bg != kDefault) pal.setColor(ground, colour(row.bg));
    w->setPalette(pal);
}

Qt::Alignment alignmentOf(unsigned flags) {
    if (flags & Centre) return Qt::AlignHCenter | Qt::AlignTop;
    if (flags & Right) return Qt::AlignRight | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignTop;
}

QLabel* makeLabel(const Control& row, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(alignmentOf(row.flags));
    if (row.flags & Border) {
        // A framed label is a read-out: its line sits in the middle.
        label->setAlignment((label->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
        label->setIndent(3);
    }
    label->setWordWrap(row.flags & WordWrap);
    label->setTextFormat(Qt::PlainText);
    if (row.flags & Border) label->setFrameStyle(QFrame::Box | QFrame::Plain);
    const bool ownGround = row.bg != kDefault && !(row.flags & Transparent);
    label->setAutoFillBackground(ownGround);
    applyColours(label, row, QPalette::Window, QPalette::WindowText);
    return label;
}

FramePanel* makeFrame(const Control& row, const QString& text, QWidget* parent) {
    auto* frame = new FramePanel(parent);
    frame->setCaption(text);
    QPalette pal = frame->palette();
    if (row.bg != kDefault) pal.setColor(QPalette::Window, colour(row.bg));
    frame->setPalette(pal);
    if (row.fg != kDefault) frame->setCaptionColor(colour(row.fg));
    return frame;
}

// An editable combo holds the row's text; a pick list only its items.
QComboBox* makeCombo(const Control& row, const QString& text, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    if (row.kind == Kind::Combo) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setEditText(text);
    }
    applyColours(combo, row, QPalette::Base, QPalette::Text);
    return combo;
}

QPlainTextEdit* makeTextBox(const Control& row, const QString& text, QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setPlainText(text);
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy((row.flags & ScrollBar) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    applyColours(box, row, QPalette::Base, QPalette::Text);
    return box;
}

QListWidget* makeList(const Control& row, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setWordWrap(true);
    applyColours(list, row, QPalette::Base, QPalette::Text);
    return list;
}

QWidget* create(const Control& row, QWidget* parent) {
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
        case Kind::Label: return makeLabel(row, text, parent);
        case Kind::Button: {
            auto* button = new WrapButton(text, parent);
            applyColours(button, row, QPalette::Button, QPalette::ButtonText);
            return button;
        }
        case Kind::Field: {
            auto* field = new QLineEdit(text, parent);
            if (!(row.flags & NoKeyFilter)) makeNumericField(field);
            applyColours(field, row, QPalette::Base, QPalette::Text);
            return field;
        }
        case Kind::Frame: return makeFrame(row, text, parent);
        case Kind::Combo:
        case Kind::PickList: return makeCombo(row, text, parent);
        case Kind::Picture: {
            auto* picture = new QLabel(parent);
            picture->setPixmap(QPixmap::fromImage(pictures::image(row.text)));
            picture->setScaledContents(true);
            return picture;
        }
        case Kind::TextBox: return makeTextBox(row, text, parent);
        case Kind::List: return makeList(row, parent);
    }
    return nullptr;
}

// A label sized to its text grows from its top-left corner; one that would
// then run over its frame's edge moves back inside, clear of the frame's
// bevel. The free look-alikes of the design's fonts can be wider, and more
// so at a scale where the letters are hinted to other pixels.
void keepInsideParent(QWidget* w) {
    constexpr int clear = 6;  // the frame's two-pixel bevel and some air
    const QSize room = w->parentWidget()->size() - QSize(clear, clear);
    QPoint at = w->pos();
    if (at.x() + w->width() > room.width()) at.setX(qMax(clear, room.width() - w->width()));
    if (at.y() + w->height() > room.height()) at.setY(qMax(clear, room.height() - w->height()));
    w->move(at);
}

}  // namespace

QFont makeFont(const Font& font, const QFont& base) {
    QFont f = base;
    if (font.family) f.setFamily(QString::fromLatin1(font.family));
    f.setPointSizeF(font.points);
    f.setBold(font.bold);
    f.setUnderline(font.underline);
    return f;
}

void place(QWidget* widget, Twips at) {
    const double dpi = dpiOf(widget->parentWidget());
    widget->setGeometry(twipsToPixels(at.left, dpi), twipsToPixels(at.top, dpi), twipsToPixels(at.width, dpi),
                        twipsToPixels(at.height, dpi));
}

QHash<QString, QWidget*> build(QWidget* area, std::span<const Control> rows) {
    QHash<QString, QWidget*> made;
    for (const Control& row : rows) {
        QWidget* parent = area;
        if (row.in) {
            parent = made.value(QString::fromLatin1(row.in));
            // A row may only sit in a frame made by an earlier row.
            if (!parent) qFatal("control %s: no frame %s above it in the table", row.name, row.in);
        }
        QWidget* w = create(row, parent);
        w->setObjectName(QString::fromUtf8(row.name));
        w->setFont(makeFont(row.font, area->font()));
        if (row.tip) w->setToolTip(QString::fromUtf8(row.tip));
        place(w, row.at);
        if (row.flags & AutoSize) {
            w->resize(w->sizeHint());
            keepInsideParent(w);
        }
        if (row.flags & Hidden) w->hide();
        made.insert(w->objectName(), w);
    }
    nameControls(made, rows);
    return made;
}

}  // namespace ombrana::design
