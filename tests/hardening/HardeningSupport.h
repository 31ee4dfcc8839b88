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
QStringList nomiRegistrati();

// Registers every window once, with the program's own set-up.
void preparaProgramma();

// The window's button whose caption is this text (blanks around it ignored).
QAbstractButton* pulsante(QWidget* window, const QString& caption);

// The text fields a user can type or paste into, each with a stable name:
// its own objectName, or its combo box's for a combo's editor.
struct Campo {
    QString nome;
    QLineEdit* edit;
};
QList<Campo> campiDiTesto(QWidget* window);

// True when the text is what a result label may show: nothing, or a
// decimal with the comma ("-" allowed, no exponent, no "inf" or "nan").
bool eRisultatoAmmesso(const QString& text);

// Watches for dialogs (a message box or any other modal window) while it
// lives; each one seen is noted and closed so that the test goes on.
class SpiaDialoghi : public QObject {
public:
    explicit SpiaDialoghi(QObject* parent = nullptr);
    const QStringList& visti() const { return m_visti; }

private:
    void controlla();
    QTimer m_timer;
    QStringList m_visti;
};

// True while an input alert of the window is waiting.
bool allarmeAttivo(QWidget* window);

// Top-level windows that are visible but that the registry does not count
// as open: a closed window that came back, or a stray dialog.
QStringList finestreVisibiliNonAperte();

}  // namespace ombrana::hardening
