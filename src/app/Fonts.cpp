#include "app/Fonts.h"

#include "app/DesignLook.h"

#include <QFont>
#include <QStringList>

namespace ombrana {

void installFontSubstitutes() {
    // Qt tries these only when the named face is missing: Arimo has
    // Liberation Sans's shapes and widths under another name, DejaVu Sans
    // is on nearly every Linux desktop; Comic Relief is another free
    // playful face.
    const QStringList sans{QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")};
    for (const char* face : {design::kMsSansSerif, design::kArial, design::kTahoma, design::kSystem})
        QFont::insertSubstitutions(QString::fromLatin1(face), sans);
    QFont::insertSubstitutions(QString::fromLatin1(design::kBalloon),
                               {QStringLiteral("Comic Relief"), QString::fromLatin1(design::kMsSansSerif)});
}

}  // namespace ombrana
