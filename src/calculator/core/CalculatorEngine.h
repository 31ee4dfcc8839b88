#pragma once

#include "calculator/core/CalculatorKeys.h"
#include "calculator/core/CalculatorOperand.h"

#include <cstdint>
#include <string>

namespace ombrana {

// The pocket calculator's logic: left to right, no precedence, no memory.
// The display is also the working text: the keys read it back to build the
// next text and to take operands from it.
class CalculatorEngine {
public:
    // The kind of the last key.
    enum class LastKeyKind { None, Num, Neg, Op, Ce };
    // The operation applied when the next operand is complete.
    enum class PendingOperator { None, Plus, Minus, Times, Divide, Equals, Percent };
    // What a key press has to tell the window.
    enum class Outcome { None, DivisionByZero, Overflow };

    CalculatorEngine() { Form_Load(); }

    Outcome press(CalculatorKey key);

    const std::string& display() const { return m_display; }
    bool inError() const { return m_error; }

    const CalculatorOperand& firstOperand() const { return m_firstOperand; }
    const CalculatorOperand& secondOperand() const { return m_secondOperand; }
    const std::string& readoutAtOperator() const { return m_readoutAtOperator; }
    bool decimalEntry() const { return m_decimalEntry; }
    std::int16_t operandCount() const { return m_operandCount; }
    LastKeyKind lastKeyKind() const { return m_lastKeyKind; }
    PendingOperator pendingOperator() const { return m_pendingOperator; }

private:
    void Form_Load();
    void Cancel_Click();
    void CancelEntry_Click();
    void Number_Click(char digit);
    void Decimal_Click();
    Outcome Percent_Click();
    Outcome Operator_Click(PendingOperator op);

    Outcome computePending();
    void countOperand();
    void enterError();

    CalculatorOperand m_firstOperand;
    CalculatorOperand m_secondOperand;
    std::string m_readoutAtOperator;
    bool m_decimalEntry = false;
    std::int16_t m_operandCount = 0;
    LastKeyKind m_lastKeyKind = LastKeyKind::None;
    PendingOperator m_pendingOperator = PendingOperator::None;
    std::string m_display;
    bool m_error = false;
};

}  // namespace ombrana
