#include "calculator/core/CalculatorOperand.h"

#include "calculator/core/CalculatorText.h"

#include <utility>

namespace ombrana {

CalculatorOperand CalculatorOperand::number(double value) {
    CalculatorOperand operand;
    operand.m_value = value;
    return operand;
}

CalculatorOperand CalculatorOperand::text(std::string text) {
    CalculatorOperand operand;
    operand.m_value = std::move(text);
    return operand;
}

double CalculatorOperand::value() const {
    if (const auto* t = std::get_if<std::string>(&m_value)) return readCalculatorNumber(*t).value_or(0.0);
    return std::get<double>(m_value);
}

std::string CalculatorOperand::displayText() const {
    if (const auto* t = std::get_if<std::string>(&m_value)) return *t;
    // Numbers are stored only once they are known to be showable.
    return calculatorText(std::get<double>(m_value)).value_or(std::string(kCalculatorErrorText));
}

}  // namespace ombrana
