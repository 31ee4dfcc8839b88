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

void svuotaTesto(QWidget* control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (!edit->text().isEmpty()) edit->clear();
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->setEditText(QString());
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->clear();
    }
}

InputAlert::InputAlert(Particolari particolari, QWidget* window) : QObject(window), m_p(std::move(particolari)) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &InputAlert::finish);
    // Whatever reaches a held field while the banner is up vanishes at once.
    for (QWidget* w : m_p.tenutiVuoti) {
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            connect(edit, &QLineEdit::textChanged, this, &InputAlert::holdEmpty);
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            connect(combo, &QComboBox::editTextChanged, this, &InputAlert::holdEmpty);
    }
    window->installEventFilter(this);
    markAsAlert(m_p.banner);
}

void InputAlert::start() {
    beep();
    m_p.banner->show();
    announceAlert(m_p.banner);
    m_timer.start(g_second * m_p.secondi);
    holdEmpty();
}

void InputAlert::holdEmpty() {
    if (!m_timer.isActive()) return;
    for (QWidget* w : m_p.tenutiVuoti) svuotaTesto(w);
}

void InputAlert::finish() {
    for (QWidget* w : m_p.tenutiVuoti) svuotaTesto(w);
    for (QWidget* w : m_p.svuotatiDopo) svuotaTesto(w);
    m_p.banner->hide();
    emit finished();
}

bool InputAlert::eventFilter(QObject* watched, QEvent* event) {
    // A closed window is being discarded: the alert ends with it, silently.
    if (event->type() == QEvent::Close) m_timer.stop();
    return QObject::eventFilter(watched, event);
}

}  // namespace ombrana
