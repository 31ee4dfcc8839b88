#pragma once

#include "app/DesignedWindow.h"
#include "inductors/InductanceVariants.h"

class QLabel;
class QLineEdit;

namespace ombrana {

class InputAlert;

// The inductance that goes with a standard capacitor at the same cut-off
// frequency: capacitance and frequency in, L out.
class InductanceWindow : public DesignedWindow {
    Q_OBJECT
public:
    explicit InductanceWindow(const InductanceVariant& variant, QWidget* parent = nullptr);

    InputAlert* alert() const { return m_alert; }

private:
    // Handlers of the buttons, named by the caption they answer.
    void calcola();
    void cancella();

    const InductanceVariant& m_v;
    QLineEdit* m_capacitance;
    QLineEdit* m_frequency;
    QLabel* m_result;
    InputAlert* m_alert;
};

}  // namespace ombrana
