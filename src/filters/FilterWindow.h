#pragma once

#include "app/DesignedWindow.h"
#include "filters/FilterVariants.h"

#include <optional>

class QLabel;
class QLineEdit;

namespace ombrana {

class InputAlert;

// The cell of the last "CALCOLA" that showed a result: the inputs read and
// the values shown.
struct DesignedCell {
    double frequencyMHz;
    double impedanceOhm;
    double c1Pf;
    double l1uH;
};

// One filter designer: cut-off frequency and line impedance in, C1 and L1
// out, under a drawing of the cell. The four windows differ only by their
// variant.
class FilterWindow : public DesignedWindow {
    Q_OBJECT
public:
    explicit FilterWindow(const FilterVariant& variant, QWidget* parent = nullptr);

    InputAlert* alert() const { return m_alert; }
    const std::optional<DesignedCell>& lastCell() const { return m_lastCell; }

    // Handlers of the buttons, named by the caption they answer.
    void calcola();
    void cancella();
    void chiudi();

signals:
    // The cell was computed again, or its result emptied.
    void cellChanged();

private:
    void setLastCell(std::optional<DesignedCell> cell);

    const FilterVariant& m_v;
    QLineEdit* m_frequency;
    QLineEdit* m_impedance;
    QLabel* m_c1;
    QLabel* m_l1;
    InputAlert* m_alert;
    std::optional<DesignedCell> m_lastCell;
};

void registerFilterWindows();

}  // namespace ombrana
