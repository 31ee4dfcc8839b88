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
    // What the alert shows, for how long, and what it empties.
    struct Details {
        QLabel* banner;                // shown and hidden, its caption untouched
        int seconds;                   // how long the banner stays
        QList<QWidget*> heldEmpty;     // line edits, combo boxes or labels, empty while it stays
        QList<QWidget*> emptiedAfter;  // emptied once, in this order, when it goes
    };

    InputAlert(Details details, QWidget* window);

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

    Details m_details;
    QTimer m_timer;
};

// Empties a line edit, the editor of a combo box or a label.
void clearText(QWidget* control);

}  // namespace ombrana
