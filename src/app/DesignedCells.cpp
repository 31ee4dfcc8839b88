#include "app/DesignedCells.h"

namespace ombrana {

DesignedCells& DesignedCells::instance() {
    static DesignedCells cells;
    return cells;
}

void DesignedCells::publish(const QString& window, std::optional<DesignedCell> cell) {
    if (cell)
        m_cells.insert(window, *cell);
    else
        m_cells.remove(window);
    emit changed(window);
}

std::optional<DesignedCell> DesignedCells::last(const QString& window) const {
    const auto it = m_cells.constFind(window);
    if (it == m_cells.cend()) return std::nullopt;
    return *it;
}

}  // namespace ombrana
