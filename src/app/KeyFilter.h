#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class QWidget;

namespace ombrana {

// Lets through only the listed characters and backspace; every other key
// that would type something (Enter, Escape, the clipboard and undo
// shortcuts included) is swallowed with a beep. Keys that type nothing
// (arrows, Home, End, Delete, Tab) keep their usual work. Text pasted from
// the context menu is not filtered: the calculations judge what they read.
class KeyFilter : public QObject {
    Q_OBJECT
public:
    KeyFilter(QString accepted, QObject* parent);

    static inline const QString cifreEVirgola = QStringLiteral("0123456789,");

    // Installs a filter on the widget (a line edit, or the editor of an
    // editable combo box), owned by it.
    static void install(QWidget* target, const QString& accepted);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_accepted;
};

// The numeric entry field: digits, the comma and backspace.
void rendiCampoNumerico(QLineEdit* field);

}  // namespace ombrana
