#include "app/ComputedCells.h"

namespace ombrana {

ComputedCells& ComputedCells::instance() {
    static ComputedCells cells;
    return cells;
}

void ComputedCells::publish(const QString& window, std::optional<ComputedCell> cell) {
    if (cell)
        m_cells.insert(window, *cell);
    else
        m_cells.remove(window);
    emit changed(window);
}

std::optional<ComputedCell> ComputedCells::last(const QString& window) const {
    const auto it = m_cells.constFind(window);
    if (it == m_cells.cend()) return std::nullopt;
    return *it;
}

}  // namespace ombrana
