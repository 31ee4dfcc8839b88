#pragma once

#include <QHash>
#include <QString>

#include <span>

class QLabel;
class QWidget;

namespace ombrana {

namespace design {
struct Control;
}

// The name a screen reader speaks for a caption: blanks and "=" signs
// gone, the picofarad written as its symbol ("Input frequenza di taglio  =
// MHz" -> "Input frequenza di taglio MHz", "C1 = pf" -> "C1 pF").
QString spokenName(const QString& caption);

// Names the controls of a built table: a row labelled by a caption takes
// the caption's spoken name, a button its own caption without the runs of
// blanks that spread it.
void nameControls(const QHash<QString, QWidget*>& made, std::span<const design::Control> rows);

// A result label is spoken as its name followed by what it shows, so that
// the value is read with its meaning and is heard again when it changes.
void nameResult(QLabel* result, const QString& name);

// The warning banner of an input alert: a screen reader takes it for an
// alert, and announceAlert tells it that the banner has appeared.
void markAsAlert(QLabel* banner);
void announceAlert(QLabel* banner);

}  // namespace ombrana
