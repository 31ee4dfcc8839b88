#include "app/WindowRegistry.h"

#include "app/DesignedWindow.h"

#include <QApplication>
#include <QEvent>

namespace ombrana {

WindowRegistry& WindowRegistry::instance() {
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::registerWindow(const QString& name, Factory factory) {
    if (!m_factories.contains(name)) m_names << name;
    m_factories.insert(name, std::move(factory));
}

bool WindowRegistry::isRegistered(const QString& name) const {
    return m_factories.contains(name);
}

QWidget* WindowRegistry::find(const QString& name) const {
    const auto it = m_open.constFind(name);
    if (it == m_open.cend() || it.value().isNull()) return nullptr;
    return it.value();
}

QStringList WindowRegistry::openNames() const {
    QStringList names;
    for (auto it = m_open.cbegin(); it != m_open.cend(); ++it)
        if (find(it.key())) names << it.key();
    return names;
}

namespace {

// A small tool window stays in front of the window that the user opened it
// from: the active one at the time.
void keepAboveOpener(QWidget* w, QWidget* opener) {
    auto* designed = qobject_cast<DesignedWindow*>(w);
    if (designed && designed->design().staysAboveOpener()) designed->stayAbove(opener);
}

}  // namespace

QWidget* WindowRegistry::open(const QString& name) {
    QWidget* opener = QApplication::activeWindow();
    if (QWidget* w = find(name)) {
        keepAboveOpener(w, opener);
        if (w->isMinimized()) w->showNormal();
        w->show();
        w->raise();
        w->activateWindow();
        return w;
    }
    const auto factory = m_factories.constFind(name);
    if (factory == m_factories.cend()) return nullptr;
    QWidget* w = (*factory)();
    if (!w) return nullptr;
    w->setObjectName(name);
    w->setAttribute(Qt::WA_DeleteOnClose);
    m_open.insert(name, w);
    w->installEventFilter(this);
    keepAboveOpener(w, opener);
    if (auto* designed = qobject_cast<DesignedWindow*>(w))
        designed->showFromDesign();
    else
        w->show();
    w->raise();
    w->activateWindow();
    emit windowOpened(name);
    return w;
}

void WindowRegistry::close(const QString& name) {
    if (QWidget* w = find(name)) w->close();
}

bool WindowRegistry::eventFilter(QObject* watched, QEvent* event) {
    // A closed window deletes itself later; from now on it no longer counts
    // as open, so that opening it again creates it afresh.
    if (event->type() == QEvent::Close) {
        for (auto it = m_open.begin(); it != m_open.end(); ++it) {
            if (it.value() == watched) {
                const QString name = it.key();
                m_open.erase(it);
                emit windowClosed(name);
                break;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowRegistry::closeAll() {
    const QStringList names = openNames();
    for (const QString& name : names) close(name);
}

}  // namespace ombrana
