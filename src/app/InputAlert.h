#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>

class QLabel;
class QWidget;

namespace ombrana {

// The warning that a calculation window gives for an input out of range:
// one beep, the banner shown steadily for a number of seconds while some
// controls are held empty, then other controls emptied once and the banner
// hidden. It waits on a timer, so the window stays responsive and the
// process idle. A second start restarts the wait; closing the window ends
// the alert without touching it again.
class InputAlert : public QObject {
    Q_OBJECT
public:
    struct Particolari {
        QLabel* banner;                // W: shown and hidden, caption untouched
        int secondi;                   // D
        QList<QWidget*> tenutiVuoti;   // P: line edits, combo boxes or labels
        QList<QWidget*> svuotatiDopo;  // A: emptied in this order at the end
    };

    InputAlert(Particolari particolari, QWidget* window);

    void start();
    bool isActive() const { return m_timer.isActive(); }

    // How long one second of the alert lasts; tests shorten it.
    static void setSecondDuration(std::chrono::milliseconds duration);
    static std::chrono::milliseconds secondDuration();

signals:
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void holdEmpty();
    void finish();

    Particolari m_p;
    QTimer m_timer;
};

// Empties a line edit, the editor of a combo box or a label.
void svuotaTesto(QWidget* control);

}  // namespace ombrana
