#include "app/InputAlert.h"

#include "app/AccessibleNames.h"
#include "app/Beep.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace ombrana {
namespace {
std::chrono::milliseconds g_second{1000};
}

void InputAlert::setSecondDuration(std::chrono::milliseconds duration) {
    g_second = duration;
}
std::chrono::milliseconds InputAlert::secondDuration() {
    return g_second;
}

void clearText(QWidget* control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (!edit->text().isEmpty()) edit->clear();
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->setEditText(QString());
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->clear();
    }
}

InputAlert::InputAlert(Details details, QWidget* window) : QObject(window), m_details(std::move(details)) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &InputAlert::finish);
    // Whatever reaches a held field while the banner is up vanishes at once.
    for (QWidget* w : m_details.heldEmpty) {
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            connect(edit, &QLineEdit::textChanged, this, &InputAlert::holdEmpty);
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            connect(combo, &QComboBox::editTextChanged, this, &InputAlert::holdEmpty);
    }
    window->installEventFilter(this);
    markAsAlert(m_details.banner);
}

void InputAlert::start() {
    beep();
    m_details.banner->show();
    announceAlert(m_details.banner);
    m_timer.start(g_second * m_details.seconds);
    holdEmpty();
}

void InputAlert::holdEmpty() {
    if (!m_timer.isActive()) return;
    for (QWidget* w : m_details.heldEmpty) clearText(w);
}

void InputAlert::finish() {
    for (QWidget* w : m_details.heldEmpty) clearText(w);
    for (QWidget* w : m_details.emptiedAfter) clearText(w);
    m_details.banner->hide();
    emit finished();
}

bool InputAlert::eventFilter(QObject* watched, QEvent* event) {
    // A closed window is being discarded: the alert ends with it, silently.
    if (event->type() == QEvent::Close) m_timer.stop();
    return QObject::eventFilter(watched, event);
}

}  // namespace ombrana
