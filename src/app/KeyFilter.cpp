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
    static const QKeySequence::StandardKey clipboard[] = {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Copy,
                                                          QKeySequence::Undo, QKeySequence::Redo};
    for (auto sequence : clipboard)
        if (key->matches(sequence)) return true;
    return false;
}

// The character that a key types, for the keys that type another: none
// with a command modifier (Ctrl+. is a shortcut, not a point). The keypad's
// decimal key may come without text, as Key_Period or Key_Comma (under some
// layouts).
QChar typedCharacter(const QKeyEvent* key) {
    constexpr auto commandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (key->modifiers() & commandModifiers) return {};
    if (key->text().size() == 1) return key->text().at(0);
    const bool keypadDecimal =
        (key->modifiers() & Qt::KeypadModifier) && (key->key() == Qt::Key_Period || key->key() == Qt::Key_Comma);
    if (key->text().isEmpty() && keypadDecimal) return QLatin1Char('.');
    return {};
}

QLineEdit* editorOf(QObject* watched) {
    if (auto* combo = qobject_cast<QComboBox*>(watched)) return combo->lineEdit();
    return qobject_cast<QLineEdit*>(watched);
}

}  // namespace

KeyFilter::KeyFilter(QString accepted, QList<TypedAs> typedAs, QObject* parent)
    : QObject(parent), m_accepted(std::move(accepted)), m_typedAs(std::move(typedAs)) {}

void KeyFilter::install(QWidget* target, const QString& accepted, QList<TypedAs> typedAs) {
    auto* filter = new KeyFilter(accepted, std::move(typedAs), target);
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

    if (key->matches(QKeySequence::SelectAll)) {
        if (QLineEdit* editor = editorOf(watched)) editor->selectAll();
        return true;
    }
    if (isClipboardShortcut(key)) {
        beep();
        return true;
    }
    if (key->key() == Qt::Key_Delete) return false;  // X11 gives it the text U+007F

    if (const QChar c = typedCharacter(key); !c.isNull()) {
        for (const TypedAs& substitute : m_typedAs) {
            if (substitute.key != c) continue;
            // Typed as the other character would be, through the same filter.
            QKeyEvent typed(QEvent::KeyPress, substitute.typed.toUpper().unicode(),
                            key->modifiers() & ~Qt::KeypadModifier, QString(substitute.typed), key->isAutoRepeat());
            QCoreApplication::sendEvent(watched, &typed);
            return true;
        }
    }

    const QString text = key->text();
    if (text.isEmpty()) return false;  // navigation keys type nothing
    if (text.size() == 1 && m_accepted.contains(text.at(0))) return false;
    beep();
    return true;
}

void makeNumericField(QLineEdit* field) {
    KeyFilter::install(field, KeyFilter::kDigitsAndComma, {{QLatin1Char('.'), QLatin1Char(',')}});
}

}  // namespace ombrana
