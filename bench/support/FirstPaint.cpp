#include "bench/support/FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

namespace ombrana::bench {

FirstPaint::FirstPaint(QString windowName, std::function<void()> done)
    : m_name(std::move(windowName)), m_callback(std::move(done)) {
    QCoreApplication::instance()->installEventFilter(this);
}

FirstPaint::~FirstPaint() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

bool FirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !m_pending && watched->isWidgetType()) {
        const QWidget* window = static_cast<QWidget*>(watched)->window();
        if (window && window->objectName() == m_name) {
            m_pending = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_done = true;
                    if (m_callback) m_callback();
                },
                Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

bool FirstPaint::wait(int timeoutMs) {
    if (m_done) return true;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    auto previous = std::move(m_callback);
    m_callback = [&loop, previous] {
        if (previous) previous();
        loop.quit();
    };
    timeout.start(timeoutMs);
    loop.exec();
    return m_done;
}

}  // namespace ombrana::bench
