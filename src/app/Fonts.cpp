#include "app/Fonts.h"

#include "app/DesignLook.h"

#include <QFont>
#include <QStringList>

namespace ombrana {

void installFontSubstitutes() {
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")};
    for (const char* family : {design::kMsSansSerif, design::kArial, design::kTahoma, design::kSystem})
        QFont::insertSubstitutions(QString::fromLatin1(family), sans);
    QFont::insertSubstitutions(
        QString::fromLatin1(design::kBalloon),
        {QStringLiteral("Comic Neue"), QStringLiteral("Comic Relief"), QStringLiteral("Liberation Sans")});
}

}  // namespace ombrana
