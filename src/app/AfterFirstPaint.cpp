#include "app/AfterFirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace ombrana {
namespace {

bool isInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin:
        case QEvent::Wheel: return true;
        default: return false;
    }
}

// Watches the whole application: a window's first paint may reach any of
// its children first.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* window, std::function<void()> work)
        : QObject(window), m_window(window), m_work(std::move(work)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_done && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == m_window) {
            if (isInput(event->type()))
                run();
            else if (event->type() == QEvent::Paint && !m_queued) {
                m_queued = true;
                QMetaObject::invokeMethod(this, &FirstPaintWatch::run, Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void run() {
        if (m_done) return;
        m_done = true;
        QCoreApplication::instance()->removeEventFilter(this);
        m_work();
        deleteLater();
    }

    QPointer<QWidget> m_window;
    std::function<void()> m_work;
    bool m_queued = false;
    bool m_done = false;
};

}  // namespace

void runAfterFirstPaint(QWidget* window, std::function<void()> work) {
    if (!window) return;
    new FirstPaintWatch(window, std::move(work));
}

}  // namespace ombrana
