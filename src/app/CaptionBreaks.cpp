#include "app/CaptionBreaks.h"

#include <QRegularExpression>

namespace ombrana {

QString bracketsJoined(const QString& caption) {
    static const QRegularExpression blanksInsideBracket(QStringLiteral("(?<=\\() +| +(?=\\))"));
    const QChar nonBreakingSpace(0x00A0);
    QString text = caption;
    QRegularExpressionMatchIterator it = blanksInsideBracket.globalMatch(caption);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        for (qsizetype i = match.capturedStart(); i < match.capturedEnd(); ++i) text[i] = nonBreakingSpace;
    }
    return text;
}

}  // namespace ombrana
