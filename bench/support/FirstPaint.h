#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace ombrana::bench {

// Watches the whole application for the first paint of a top-level window
// of a given objectName (the window itself or any of its children) and calls
// back once, on the next event-loop turn, when the whole frame has been
// painted and flushed. It watches the application rather than the window so
// that a paint done while the window is being shown is not missed.
class FirstPaint : public QObject {
public:
    FirstPaint(QString windowName, std::function<void()> done);
    ~FirstPaint() override;

    bool isDone() const { return m_done; }
    // Waits in a local event loop for the first paint, at most timeoutMs.
    bool wait(int timeoutMs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_name;
    std::function<void()> m_callback;
    bool m_pending = false;
    bool m_done = false;
};

}  // namespace ombrana::bench
