#pragma once

#include "app/DesignedWindow.h"
#include "calculator/core/CalculatorEngine.h"
#include "calculator/core/CalculatorKeys.h"

#include <optional>

class QAbstractButton;
class QButtonGroup;
class QKeyEvent;

namespace ombrana {

class ReadoutLabel;

// The pocket calculator window: a grid of keys over a one-line display.
// Its whole state lives in the window and goes when it closes.
class Calculator : public DesignedWindow {
    Q_OBJECT
public:
    explicit Calculator(QWidget* parent = nullptr);

    const CalculatorEngine& engine() const { return m_engine; }

    // The calculator key that a key press of the keyboard stands for:
    // digits, comma and point (the decimal key), + and -, * and x, /, %,
    // Enter and =, Escape ("C") and Delete ("CE"). None for any other key.
    static std::optional<CalculatorKey> keyForKeyPress(const QKeyEvent& event);

    // How long a key typed on the keyboard is shown pressed.
    static constexpr int kShownPressedMs = 100;

protected:
    // Keys of the keyboard act as a click on the matching calculator key,
    // whichever control of the window has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keyClicked(int id);
    void pressFromKeyboard(QAbstractButton* button);

    CalculatorEngine m_engine;
    ReadoutLabel* m_readout = nullptr;
    QButtonGroup* m_keys = nullptr;
};

}  // namespace ombrana
