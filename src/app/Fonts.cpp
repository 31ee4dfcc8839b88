#include "app/Fonts.h"

#include "app/DesignLook.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>
// Qt's platform font database, for registerAliasToFontFamily(): the only
// way to name an installed family by a second name. The package follows
// the exact Qt version it was built against.
#include <qpa/qplatformfontdatabase.h>

namespace ombrana {
namespace {

void lookAlike(const QStringList& installed, const char* designFamily, const QStringList& faces) {
    const QString family = QString::fromLatin1(designFamily);
    // Qt looks for a missing family first among the installed ones, then
    // asks fontconfig for its whole list of fallbacks (a sort of every font
    // on the system), and only then tries the substitutes. Named as an
    // alias of the installed face, the design's family is found at once.
    for (const QString& face : faces) {
        if (installed.contains(face, Qt::CaseInsensitive)) {
            QPlatformFontDatabase::registerAliasToFontFamily(face, family);
            break;
        }
    }
    // Substitutes as well: they still hold if the font database is reread.
    QFont::insertSubstitutions(family, faces);
}

}  // namespace

void installFontSubstitutes() {
    // Reading the families fills Qt's font database, which the first
    // window needs in any case.
    const QStringList installed = QFontDatabase::families();
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")};
    for (const char* family : {design::kMsSansSerif, design::kArial, design::kTahoma, design::kSystem})
        lookAlike(installed, family, sans);
    lookAlike(installed, design::kBalloon,
              {QStringLiteral("Comic Neue"), QStringLiteral("Comic Relief"), QStringLiteral("Liberation Sans")});
}

}  // namespace ombrana
