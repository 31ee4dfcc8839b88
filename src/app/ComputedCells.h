#pragma once

#include "app/core/TipoCella.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <optional>

namespace ombrana {

// Where each filter window leaves its last cell, under its window name, for
// the window that verifies it: the two meet here and never link each other.
class ComputedCells : public QObject {
    Q_OBJECT
public:
    static ComputedCells& instance();

    // Nothing empties the window's entry.
    void publish(const QString& window, std::optional<ComputedCell> cell);
    std::optional<ComputedCell> last(const QString& window) const;

signals:
    void changed(const QString& window);

private:
    QHash<QString, ComputedCell> m_cells;
};

inline ComputedCells& computedCells() {
    return ComputedCells::instance();
}

}  // namespace ombrana
