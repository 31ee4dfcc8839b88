#pragma once

#include "app/DesignedWindow.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace ombrana {

class InputAlert;

// The toroid window: the turns for a wanted inductance on a core picked from
// the catalogue, beside three reference tables of sizes, mixes and the most
// turns by wire diameter.
class ToroidWindow : public DesignedWindow {
    Q_OBJECT
public:
    explicit ToroidWindow(QWidget* parent = nullptr);

    InputAlert* alert() const { return m_alert; }

private:
    // Handlers of the buttons, named by the caption they answer.
    void calcola();
    void cancella();
    void chiudi();

    QComboBox* m_picker;
    QLineEdit* m_inductance;
    QLabel* m_result;
    QLabel* m_rememberedCore;  // the core of the last calculation, never shown
    InputAlert* m_alert;
};

}  // namespace ombrana
