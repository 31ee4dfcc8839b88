#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QWidget;

namespace ombrana::hardening {

// Every window registered in this program, as the registry lists them.
QStringList registeredNames();

// Registers every window once, with the program's own set-up.
void prepareProgram();

// The window's button whose caption is this text (blanks around it ignored).
QAbstractButton* buttonWithCaption(QWidget* window, const QString& caption);

// The text fields a user can type or paste into, each with a stable name:
// its own objectName, or its combo box's for a combo's editor.
struct TextField {
    QString name;
    QLineEdit* edit;
};
QList<TextField> textFields(QWidget* window);

// True when the text is what a result label may show: nothing, or a
// decimal with the comma ("-" allowed, no exponent, no "inf" or "nan").
bool isAllowedResult(const QString& text);

// Watches for dialogs (a message box or any other modal window) while it
// lives; each one seen is noted and closed so that the test goes on.
class DialogWatcher : public QObject {
public:
    explicit DialogWatcher(QObject* parent = nullptr);
    const QStringList& seen() const { return m_seen; }

private:
    void check();
    QTimer m_timer;
    QStringList m_seen;
};

// True while an input alert of the window is waiting.
bool alertActive(QWidget* window);

// Top-level windows that are visible but that the registry does not count
// as open: a closed window that came back, or a stray dialog.
QStringList visibleButNotOpen();

}  // namespace ombrana::hardening
