#include "app/KeyFilter.h"

#include "app/Beep.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace ombrana {

KeyFilter::KeyFilter(QString accepted, QObject* parent) : QObject(parent), m_accepted(std::move(accepted)) {}

void KeyFilter::install(QWidget* target, const QString& accepted) {
    QWidget* editor = target;
    if (auto* combo = qobject_cast<QComboBox*>(target); combo && combo->lineEdit()) editor = combo->lineEdit();
    editor->setAttribute(Qt::WA_InputMethodEnabled, false);
    editor->installEventFilter(new KeyFilter(accepted, editor));
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Backspace) return false;

    static const QKeySequence::StandardKey clipboard[] = {QKeySequence::Paste, QKeySequence::Cut,
                                                          QKeySequence::Copy,  QKeySequence::Undo,
                                                          QKeySequence::Redo,  QKeySequence::SelectAll};
    for (auto sequence : clipboard) {
        if (key->matches(sequence)) {
            beep();
            return true;
        }
    }
    if (key->key() == Qt::Key_Delete) return false;

    const QString text = key->text();
    if (text.isEmpty()) return false;  // navigation keys type nothing
    if (text.size() == 1 && m_accepted.contains(text.at(0))) return false;
    beep();
    return true;
}

void rendiCampoNumerico(QLineEdit* field) {
    KeyFilter::install(field, KeyFilter::cifreEVirgola);
}

}  // namespace ombrana
