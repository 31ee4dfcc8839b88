#pragma once

#include "app/DesignedWindow.h"
#include "calculator/core/CalculatorEngine.h"

class QButtonGroup;

namespace ombrana {

class ReadoutLabel;

// The pocket calculator window: a grid of keys over a one-line display.
// Its whole state lives in the window and goes when it closes.
class Calculator : public DesignedWindow {
    Q_OBJECT
public:
    explicit Calculator(QWidget* parent = nullptr);

    const CalculatorEngine& engine() const { return m_engine; }

private:
    void keyClicked(int id);

    CalculatorEngine m_engine;
    ReadoutLabel* m_readout = nullptr;
    QButtonGroup* m_keys = nullptr;
};

}  // namespace ombrana
