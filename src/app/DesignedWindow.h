#pragma once

#include "app/ControlTable.h"
#include "app/DesignLook.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <span>

class QAction;
class QScrollArea;

namespace ombrana {

// How a window first appears and what frame it has.
struct WindowDesign {
    enum class Placement { Maximised, Centred, AtDesignPosition, SystemPlaced };
    enum class Border { Fixed, Sizable, NoCaption };

    QString title = {};
    int widthTwips;
    int heightTwips;
    int ground = design::kTeal;  // 0xRRGGBB
    Placement placement = Placement::Maximised;
    Border border = Border::Fixed;
    int leftTwips = 0;  // client area's corner on the screen, for AtDesignPosition
    int topTwips = 0;
    // Every text of the window is a fixed caption whose characters its
    // fonts hold: no other face need ever be looked for.
    bool fixedCaptions = false;

    // The small tool windows, which open at their design size where the
    // design or the system puts them, stay in front of their opener.
    bool staysAboveOpener() const {
        return placement == Placement::AtDesignPosition || placement == Placement::SystemPlaced;
    }
};

// Whether a window's client area of that size fits in the screen's free
// area; one that does not opens maximised and scrolls its designed area.
bool fitsOnScreen(QSize client, QSize available);

// A window laid out from a table of controls on a designed area of fixed
// size. A maximised window centres that area on its coloured ground.
class DesignedWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit DesignedWindow(const WindowDesign& design, QWidget* parent = nullptr);

    QWidget* area() const { return m_area; }
    const WindowDesign& design() const { return m_design; }

    void build(std::span<const design::Control> rows);

    // A plain entry of the menu bar, without a drop-down, with an
    // Alt+letter mnemonic of its own within the window (MnemonicMenuBar).
    QAction* addMenuEntry(const char* name, const QString& caption);

    // The control of the table with that name. A name that the table does
    // not hold, or a control of another type, stops the program with both
    // names: a misspelt name fails the first test that opens the window.
    QWidget* control(const QString& name) const;
    template <typename T>
    T* control(const char* name) const {
        QWidget* w = control(QString::fromUtf8(name));
        T* typed = qobject_cast<T*>(w);
        if (!typed) wrongType(name, T::staticMetaObject.className());
        return typed;
    }

    // Chains the tab order through the named controls; the first gets the
    // focus when the window opens.
    void setTabOrder(std::initializer_list<const char*> names);

    // Shows the window as its design asks: maximised, centred, at its
    // design position or where the system places it.
    void showFromDesign();

    // Keeps this window in front of the opener until the opener closes.
    void stayAbove(QWidget* opener);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keepFocusInView();
    void bringIntoView(QWidget* control);
    void centreArea();
    void forgetOpener();
    [[noreturn]] void wrongType(const char* name, const char* type) const;

    WindowDesign m_design;
    QScrollArea* m_scroller;
    QWidget* m_ground;
    QWidget* m_area;
    QPointer<QWidget> m_opener;
    QHash<QString, QWidget*> m_controls;
};

// n blanks, for captions and titles spread by runs of blanks.
QString blanks(int n);

}  // namespace ombrana
