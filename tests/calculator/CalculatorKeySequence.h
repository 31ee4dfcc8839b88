#pragma once

#include "calculator/core/CalculatorKeys.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace ombrana::test {

// The keys of a blank-separated list of captions; a caption that is no key
// yields nothing, so that a typo in a table fails its test.
inline std::vector<CalculatorKey> calculatorKeys(const char* captions, bool* ok = nullptr) {
    std::vector<CalculatorKey> keys;
    if (ok) *ok = true;
    for (const QString& caption : QString::fromUtf8(captions).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const auto key = calculatorKeyForCaption(caption.toStdString());
        if (key)
            keys.push_back(*key);
        else if (ok)
            *ok = false;
    }
    return keys;
}

}  // namespace ombrana::test
