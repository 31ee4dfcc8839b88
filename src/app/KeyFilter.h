#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QLineEdit;
class QWidget;

namespace ombrana {

// Lets through only the listed characters and backspace; every other key
// that would type something (Enter, Escape, the clipboard and undo
// shortcuts included) is swallowed with a beep. A few keys may type another
// character instead, which then passes the same filter. The focus keys (Tab
// and Shift+Tab) and the keys that type nothing (arrows, Home, End, Delete)
// keep their usual work, whatever text the window system gives them: on X11
// Tab carries "\t" and Delete U+007F. Ctrl+A selects the whole text, which
// changes nothing in it. Text pasted from the context menu is not filtered:
// the calculations judge what they read.
class KeyFilter : public QObject {
    Q_OBJECT
public:
    // A key that types another character: the point types the comma.
    struct TypedAs {
        QChar key;
        QChar typed;
    };

    KeyFilter(QString accepted, QList<TypedAs> typedAs, QObject* parent);

    static inline const QString kDigitsAndComma = QStringLiteral("0123456789,");

    // Installs a filter on the widget, owned by it. For an editable combo
    // box the filter sits on the combo box itself, where the window system
    // delivers the keys while it has the focus (it hands them on to its
    // line edit directly, past any filter there), and on its line edit too,
    // for keys sent to the line edit itself.
    static void install(QWidget* target, const QString& accepted, QList<TypedAs> typedAs = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_accepted;
    QList<TypedAs> m_typedAs;
};

// The numeric entry field: digits, the comma and backspace; the point and
// the keypad's decimal key type a comma.
void makeNumericField(QLineEdit* field);

}  // namespace ombrana
