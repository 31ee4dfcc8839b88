#include "app/DesignedWindow.h"

#include "app/DesignLook.h"
#include "app/MnemonicMenuBar.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QWindow>

namespace ombrana {

QString blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

namespace {

// A window that stays above its opener is a dialog to the window system:
// only then does it honour the link to the opener.
Qt::WindowFlags flagsFor(const WindowDesign& design) {
    Qt::WindowFlags flags = (design.staysAboveOpener() ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint;
    if (design.border != WindowDesign::Border::NoCaption) flags |= Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    return flags;
}

// The ground's scroll area. Its size hint is the designed area's: the window
// takes its size from the design, and QScrollArea's own hint would measure
// the window's default font, loading a face that no control shows.
class GroundScroller : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override { return widget() ? widget()->minimumSize() : QSize(); }
};

}  // namespace

bool fitsOnScreen(QSize client, QSize available) {
    return client.width() <= available.width() && client.height() <= available.height();
}

DesignedWindow::DesignedWindow(const WindowDesign& design, QWidget* parent)
    : QMainWindow(parent, flagsFor(design)), m_design(design) {
    setWindowTitle(design.title);
    // The ground scrolls only on a screen smaller than the designed area.
    auto* scroller = new GroundScroller(this);
    scroller->setObjectName(QStringLiteral("scroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);  // Tab goes from control to control only
    scroller->setWidgetResizable(true);
    QPalette pal = scroller->palette();
    pal.setColor(QPalette::Window, design::colour(design.ground));
    scroller->setPalette(pal);
    setCentralWidget(scroller);
    m_scroller = scroller;
    // A control that takes the focus comes wholly into view: the scroll
    // area by itself brings only a field's text cursor, and only on Tab.
    connect(qApp, &QApplication::focusChanged, this, &DesignedWindow::keepFocusInView);
    scroller->viewport()->installEventFilter(this);

    m_ground = new QWidget;
    m_ground->setObjectName(QStringLiteral("ground"));
    m_ground->setAutoFillBackground(true);
    m_ground->setPalette(pal);
    scroller->setWidget(m_ground);
    m_ground->installEventFilter(this);

    m_area = new QWidget(m_ground);
    m_area->setObjectName(QStringLiteral("designArea"));
    QFont areaFont = design::makeFont(design::kRegular825, font());
    if (design.fixedCaptions) areaFont.setStyleStrategy(QFont::NoFontMerging);
    m_area->setFont(areaFont);
    const double dpi = logicalDpiX();
    const QSize size(design::twipsToPixels(design.widthTwips, dpi), design::twipsToPixels(design.heightTwips, dpi));
    m_area->setFixedSize(size);
    m_ground->setMinimumSize(size);
}

void DesignedWindow::build(std::span<const design::Control> rows) {
    const auto made = design::build(m_area, rows);
    for (auto it = made.cbegin(); it != made.cend(); ++it) m_controls.insert(it.key(), it.value());
}

QWidget* DesignedWindow::control(const QString& name) const {
    QWidget* w = m_controls.value(name);
    if (!w)
        qFatal("%s \"%s\" has no control %s", metaObject()->className(), qPrintable(windowTitle()), qPrintable(name));
    return w;
}

void DesignedWindow::wrongType(const char* name, const char* type) const {
    qFatal("%s \"%s\": control %s is not a %s", metaObject()->className(), qPrintable(windowTitle()), name, type);
}

QAction* DesignedWindow::addMenuEntry(const char* name, const QString& caption) {
    auto* bar = qobject_cast<MnemonicMenuBar*>(menuWidget());
    if (!bar) {
        bar = new MnemonicMenuBar(this);
        setMenuBar(bar);
    }
    QAction* action = bar->addEntry(caption);
    action->setObjectName(QString::fromUtf8(name));
    return action;
}

void DesignedWindow::setTabOrder(std::initializer_list<const char*> names) {
    QWidget* previous = nullptr;
    for (const char* name : names) {
        QWidget* w = control(QString::fromUtf8(name));
        if (previous)
            QWidget::setTabOrder(previous, w);
        else
            w->setFocus();
        previous = w;
    }
}

void DesignedWindow::showFromDesign() {
    using Placement = WindowDesign::Placement;
    const QSize client = m_area->size() + QSize(0, menuWidget() ? menuWidget()->sizeHint().height() : 0);
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const bool fits = fitsOnScreen(client, screen->availableGeometry().size());
    if (!fits || m_design.placement == Placement::Maximised || m_design.border == WindowDesign::Border::Sizable)
        resize(client);
    else {
        setFixedSize(client);
        // The window system rounds a window's size to its resize steps,
        // counted from the base size: Qt asks for steps of one logical
        // pixel, two device pixels at 150 %, and a design size of an odd
        // number of device pixels would lose one, and gain scroll bars.
        // Counted from the design size itself, no step is needed.
        setBaseSize(client);
    }

    // A screen smaller than the design: the window takes the whole free
    // area, and the ground scrolls to every control.
    const Placement placement = fits ? m_design.placement : Placement::Maximised;
    switch (placement) {
        case Placement::Maximised: showMaximized(); break;
        case Placement::Centred: {
            move(screen->availableGeometry().center() - QPoint(client.width() / 2, client.height() / 2));
            show();
            break;
        }
        case Placement::AtDesignPosition: {
            const double dpi = logicalDpiX();
            setGeometry(QRect(
                QPoint(design::twipsToPixels(m_design.leftTwips, dpi), design::twipsToPixels(m_design.topTwips, dpi)),
                client));
            show();
            break;
        }
        case Placement::SystemPlaced: show(); break;
    }
    centreArea();
}

void DesignedWindow::stayAbove(QWidget* opener) {
    if (!opener || opener == this || opener == m_opener) return;
    QWindow* above = opener->window()->windowHandle();
    if (!above) return;
    forgetOpener();
    m_opener = opener->window();
    m_opener->installEventFilter(this);
    winId();  // the window system's window, to link to the opener's
    windowHandle()->setTransientParent(above);
    // The window system reads the link when the window is shown.
    if (isVisible()) {
        const QPoint at = pos();
        hide();
        move(at);
        show();
    }
}

void DesignedWindow::forgetOpener() {
    if (m_opener) m_opener->removeEventFilter(this);
    m_opener = nullptr;
    if (windowHandle()) windowHandle()->setTransientParent(nullptr);
}

bool DesignedWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ground && event->type() == QEvent::Resize) centreArea();
    // Scroll bars that come or go change the view, not the ground.
    if (watched == m_scroller->viewport() && event->type() == QEvent::Resize) keepFocusInView();
    // The opener's closing leaves this window open on its own, and counting
    // as one of the program's windows for its end.
    if (watched == m_opener && event->type() == QEvent::Close) forgetOpener();
    return QMainWindow::eventFilter(watched, event);
}

void DesignedWindow::keepFocusInView() {
    QWidget* focused = QApplication::focusWidget();
    if (!focused || !m_ground->isAncestorOf(focused)) return;
    // Once the focus change or the resize has run its course, the scroll
    // area's own adjustment included.
    QTimer::singleShot(0, this, [this, control = QPointer<QWidget>(focused)] {
        if (control && control->hasFocus()) bringIntoView(control);
    });
}

void DesignedWindow::bringIntoView(QWidget* control) {
    constexpr int air = 4;  // pixels around the control, so that its frame shows
    const QRect at(control->mapTo(m_ground, QPoint(0, 0)), control->size());
    m_scroller->ensureVisible(at.center().x(), at.center().y(), at.width() / 2 + air, at.height() / 2 + air);
}

void DesignedWindow::centreArea() {
    const QSize free = m_ground->size() - m_area->size();
    m_area->move(qMax(0, free.width() / 2), qMax(0, free.height() / 2));
}

}  // namespace ombrana
