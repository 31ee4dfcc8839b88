#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// The core's texts at the window's edge.
namespace ombrana {

inline QString qText(const std::string& s) {
    return QString::fromStdString(s);
}

// The texts that are not empty, one a line.
inline QStringList qLines(const std::vector<std::string>& items) {
    QStringList out;
    for (const std::string& s : items)
        if (!s.empty()) out << qText(s);
    return out;
}

}  // namespace ombrana
