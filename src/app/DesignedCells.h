#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <optional>

namespace ombrana {

// The cell of a filter window's last "CALCOLA" that showed a result: the
// inputs read and the values shown.
struct DesignedCell {
    double frequencyMHz;
    double impedanceOhm;
    double c1Pf;
    double l1uH;
};

// Where each filter window leaves its last cell, under its window name, for
// the window that verifies it: the two meet here and never link each other.
class DesignedCells : public QObject {
    Q_OBJECT
public:
    static DesignedCells& instance();

    // Nothing empties the window's entry.
    void publish(const QString& window, std::optional<DesignedCell> cell);
    std::optional<DesignedCell> last(const QString& window) const;

signals:
    void changed(const QString& window);

private:
    QHash<QString, DesignedCell> m_cells;
};

inline DesignedCells& designedCells() {
    return DesignedCells::instance();
}

}  // namespace ombrana
