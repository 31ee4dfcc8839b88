#pragma once

#include <string>
#include <variant>

namespace ombrana {

// An operand of the calculator: either a computed number or the display
// text it was taken from. A text operand shows unchanged ("8," stays "8,",
// with its comma), a number shows through the calculator's number text.
class CalculatorOperand {
public:
    // An empty operand counts as zero, and so it is the number zero: its
    // text is "0", never an empty display.
    CalculatorOperand() = default;
    static CalculatorOperand number(double value);
    static CalculatorOperand text(std::string text);

    bool isText() const { return std::holds_alternative<std::string>(m_value); }
    // The value for the arithmetic; a text that cannot be read counts as 0.
    double value() const;
    // The text to show.
    std::string displayText() const;

private:
    std::variant<double, std::string> m_value = 0.0;
};

}  // namespace ombrana
