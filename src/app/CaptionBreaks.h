#pragma once

#include <QString>

namespace ombrana {

// The caption with each bracket bound to the word it encloses: the blanks
// after "(" and before ")" become non-breaking, so that a wrapping caption
// moves "( esempi )" to a new line whole instead of breaking inside it.
QString bracketsJoined(const QString& caption);

}  // namespace ombrana
