#include "app/KeyFilter.h"

#include "app/Beep.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace ombrana {
namespace {

// Tab and Shift+Tab move the focus; the window system gives Tab the text
// "\t", so they must pass before the text is looked at.
bool isFocusKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
}

bool isClipboardShortcut(const QKeyEvent* key) {
    static const QKeySequence::StandardKey clipboard[] = {QKeySequence::Paste, QKeySequence::Cut,
                                                          QKeySequence::Copy,  QKeySequence::Undo,
                                                          QKeySequence::Redo,  QKeySequence::SelectAll};
    for (auto sequence : clipboard)
        if (key->matches(sequence)) return true;
    return false;
}

// The point of the main keyboard, or the keypad's decimal key, which
// arrives as Key_Period (or Key_Comma under some layouts) with the keypad
// modifier and the text "." or ",".
bool isDecimalPoint(const QKeyEvent* key) {
    constexpr auto commandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (key->modifiers() & commandModifiers) return false;
    if (key->text() == QStringLiteral(".")) return true;
    return (key->modifiers() & Qt::KeypadModifier) && (key->key() == Qt::Key_Period || key->key() == Qt::Key_Comma);
}

}  // namespace

KeyFilter::KeyFilter(QString accepted, Point point, QObject* parent)
    : QObject(parent), m_accepted(std::move(accepted)), m_point(point) {}

void KeyFilter::install(QWidget* target, const QString& accepted, Point point) {
    auto* filter = new KeyFilter(accepted, point, target);
    target->setAttribute(Qt::WA_InputMethodEnabled, false);
    target->installEventFilter(filter);
    if (auto* combo = qobject_cast<QComboBox*>(target); combo && combo->lineEdit()) {
        combo->lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
        combo->lineEdit()->installEventFilter(filter);
    }
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (isFocusKey(key)) return false;
    if (key->key() == Qt::Key_Backspace) return false;

    if (isClipboardShortcut(key)) {
        beep();
        return true;
    }
    if (key->key() == Qt::Key_Delete) return false;  // X11 gives it the text U+007F

    if (m_point == Point::TypesComma && isDecimalPoint(key)) {
        // Typed as the comma would be, through the same filter.
        QKeyEvent comma(QEvent::KeyPress, Qt::Key_Comma, key->modifiers() & ~Qt::KeypadModifier, QStringLiteral(","),
                        key->isAutoRepeat());
        QCoreApplication::sendEvent(watched, &comma);
        return true;
    }

    const QString text = key->text();
    if (text.isEmpty()) return false;  // navigation keys type nothing
    if (text.size() == 1 && m_accepted.contains(text.at(0))) return false;
    beep();
    return true;
}

void rendiCampoNumerico(QLineEdit* field) {
    KeyFilter::install(field, KeyFilter::cifreEVirgola, KeyFilter::Point::TypesComma);
}

}  // namespace ombrana
