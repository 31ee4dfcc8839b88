#pragma once

#include "app/DesignedWindow.h"

class QLabel;
class QLineEdit;

namespace ombrana {

// The inductance of a single-layer air-core coil from the former's
// diameter, the number of turns and the winding length.
class AirCoilWindow : public DesignedWindow {
    Q_OBJECT
public:
    explicit AirCoilWindow(QWidget* parent = nullptr);

private:
    // Handlers of the buttons, named by the caption they answer.
    void calcola();
    void cancella();

    QLineEdit* m_diameter;
    QLineEdit* m_turns;
    QLineEdit* m_length;
    QLabel* m_result;
};

}  // namespace ombrana
