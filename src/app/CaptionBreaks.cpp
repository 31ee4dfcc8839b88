#include "app/CaptionBreaks.h"

namespace ombrana {

QString bracketsJoined(const QString& caption) {
    // A plain scan: the splash's buttons call this for their first frame,
    // where compiling a regular expression would cost more than the frame.
    const QChar blank(QLatin1Char(' '));
    const QChar nonBreakingSpace(0x00A0);
    QString text = caption;
    for (qsizetype start = 0; start < caption.size();) {
        if (caption[start] != blank) {
            ++start;
            continue;
        }
        qsizetype end = start;
        while (end < caption.size() && caption[end] == blank) ++end;
        const bool afterOpening = start > 0 && caption[start - 1] == QLatin1Char('(');
        const bool beforeClosing = end < caption.size() && caption[end] == QLatin1Char(')');
        if (afterOpening || beforeClosing)
            for (qsizetype i = start; i < end; ++i) text[i] = nonBreakingSpace;
        start = end;
    }
    return text;
}

}  // namespace ombrana
