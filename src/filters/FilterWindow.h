#pragma once

#include "app/ComputedCells.h"
#include "app/DesignedWindow.h"
#include "filters/FilterVariants.h"

#include <optional>

class QLabel;
class QLineEdit;

namespace ombrana {

class InputAlert;

// One filter designer: cut-off frequency and line impedance in, C1 and L1
// out, under a drawing of the cell. The four windows differ only by their
// variant.
class FilterWindow : public DesignedWindow {
    Q_OBJECT
public:
    explicit FilterWindow(const FilterVariant& variant, QWidget* parent = nullptr);

    InputAlert* alert() const { return m_alert; }

private:
    // Handlers of the buttons, named by the caption they answer.
    void calcola();
    void cancella();
    void chiudi();

    // Tells the verification window what this window last computed.
    void setLastCell(std::optional<ComputedCell> cell);

    const FilterVariant& m_v;
    QLineEdit* m_frequency;
    QLineEdit* m_impedance;
    QLabel* m_c1;
    QLabel* m_l1;
    InputAlert* m_alert;
};

void registerFilterWindows();

}  // namespace ombrana
