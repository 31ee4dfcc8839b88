#include "app/DesignedWindow.h"

#include "app/DesignLook.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

namespace ombrana {

QString spazi(int n) {
    return QString(n, QLatin1Char(' '));
}

namespace {

Qt::WindowFlags flagsFor(WindowDesign::Border border) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if (border != WindowDesign::Border::NoCaption) flags |= Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    return flags;
}

}  // namespace

DesignedWindow::DesignedWindow(const WindowDesign& design, QWidget* parent)
    : QMainWindow(parent, flagsFor(design.border)), m_design(design) {
    setWindowTitle(design.title);
    m_ground = new QWidget(this);
    m_ground->setObjectName(QStringLiteral("ground"));
    m_ground->setAutoFillBackground(true);
    QPalette pal = m_ground->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(static_cast<QRgb>(design.ground)));
    m_ground->setPalette(pal);
    setCentralWidget(m_ground);
    m_ground->installEventFilter(this);

    m_area = new QWidget(m_ground);
    m_area->setObjectName(QStringLiteral("designArea"));
    m_area->setFont(design::makeFont(design::kRegular825, font()));
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
    QAction* action = menuBar()->addAction(caption);
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
    if (m_design.placement != Placement::Maximised && m_design.border != WindowDesign::Border::Sizable)
        setFixedSize(client);
    else
        resize(client);

    switch (m_design.placement) {
        case Placement::Maximised: showMaximized(); break;
        case Placement::Centred: {
            const QRect screen =
                (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->availableGeometry();
            move(screen.center() - QPoint(client.width() / 2, client.height() / 2));
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

bool DesignedWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ground && event->type() == QEvent::Resize) centreArea();
    return QMainWindow::eventFilter(watched, event);
}

void DesignedWindow::centreArea() {
    const QSize free = m_ground->size() - m_area->size();
    m_area->move(qMax(0, free.width() / 2), qMax(0, free.height() / 2));
}

}  // namespace ombrana
