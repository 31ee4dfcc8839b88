#include "app/Fonts.h"

#include <QFont>
#include <QStringList>

namespace ombrana {

void installaSostitutiCaratteri() {
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")};
    for (const char* family : {"MS Sans Serif", "Arial", "Tahoma", "System"})
        QFont::insertSubstitutions(QString::fromLatin1(family), sans);
    QFont::insertSubstitutions(QStringLiteral("Balloon"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("Comic Relief"), QStringLiteral("Liberation Sans")});
}

}  // namespace ombrana
