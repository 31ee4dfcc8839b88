#include "calculator/core/CalculatorEngine.h"

#include "calculator/core/CalculatorText.h"

#include <cmath>
#include <limits>
#include <optional>

namespace ombrana {
namespace {

using PendingOperator = CalculatorEngine::PendingOperator;
using Outcome = CalculatorEngine::Outcome;

// A result as the calculator keeps it: one too small for a normal double is
// zero (its text would not read back), one that cannot be shown is an
// overflow and gives nothing.
std::optional<double> settle(double value) {
    if (!calculatorText(value)) return std::nullopt;
    if (std::fabs(value) < std::numeric_limits<double>::min()) return 0.0;
    return value;
}

}  // namespace

CalculatorEngine::Outcome CalculatorEngine::press(CalculatorKey key) {
    if (m_error) {
        // After an overflow only a fresh start makes sense: a digit, the
        // decimal key, "C" or "CE" clear everything; the operators and "%"
        // leave the error text in place.
        switch (key) {
            case CalculatorKey::Percent:
            case CalculatorKey::Plus:
            case CalculatorKey::Minus:
            case CalculatorKey::Times:
            case CalculatorKey::Divide:
            case CalculatorKey::Equals: return Outcome::None;
            default: Cancel_Click(); break;
        }
    }

    switch (key) {
        case CalculatorKey::Decimal: Decimal_Click(); return Outcome::None;
        case CalculatorKey::Percent: return Percent_Click();
        case CalculatorKey::Plus: return Operator_Click(PendingOperator::Plus);
        case CalculatorKey::Minus: return Operator_Click(PendingOperator::Minus);
        case CalculatorKey::Times: return Operator_Click(PendingOperator::Times);
        case CalculatorKey::Divide: return Operator_Click(PendingOperator::Divide);
        case CalculatorKey::Equals: return Operator_Click(PendingOperator::Equals);
        case CalculatorKey::Cancel: Cancel_Click(); return Outcome::None;
        case CalculatorKey::CancelEntry: CancelEntry_Click(); return Outcome::None;
        default: break;
    }
    Number_Click(static_cast<char>('0' + static_cast<int>(key)));
    return Outcome::None;
}

void CalculatorEngine::Form_Load() {
    m_decimalEntry = false;
    m_operandCount = 0;
    m_lastKeyKind = LastKeyKind::None;
    m_pendingOperator = PendingOperator::None;
    m_display = "0,";
}

void CalculatorEngine::Cancel_Click() {
    m_display = "0,";
    m_firstOperand = CalculatorOperand::number(0.0);
    m_secondOperand = CalculatorOperand::number(0.0);
    m_error = false;
    Form_Load();
}

void CalculatorEngine::CancelEntry_Click() {
    m_display = "0,";
    m_decimalEntry = false;
    m_lastKeyKind = LastKeyKind::Ce;
}

void CalculatorEngine::Number_Click(char digit) {
    if (m_lastKeyKind != LastKeyKind::Num) {
        m_display = ",";
        m_decimalEntry = false;
    }
    if (m_decimalEntry) {
        m_display += digit;
    } else {
        // Whole digits go in front of the comma, which stays last.
        const auto comma = m_display.find(',');
        m_display = m_display.substr(0, comma) + digit + ",";
    }
    if (m_lastKeyKind == LastKeyKind::Neg) m_display.insert(0, "-");
    m_lastKeyKind = LastKeyKind::Num;
}

void CalculatorEngine::Decimal_Click() {
    if (m_lastKeyKind == LastKeyKind::Neg)
        m_display = "-0,";
    else if (m_lastKeyKind != LastKeyKind::Num)
        m_display = "0,";
    m_decimalEntry = true;
    m_lastKeyKind = LastKeyKind::Num;
}

CalculatorEngine::Outcome CalculatorEngine::Percent_Click() {
    const auto hundredths = settle(readCalculatorNumber(m_display).value_or(0.0) / 100.0);
    if (!hundredths) {
        enterError();
        return Outcome::Overflow;
    }
    m_display = *calculatorText(*hundredths);
    m_lastKeyKind = LastKeyKind::Op;
    m_pendingOperator = PendingOperator::Percent;
    m_decimalEntry = true;
    countOperand();
    return Outcome::None;
}

CalculatorEngine::Outcome CalculatorEngine::Operator_Click(PendingOperator op) {
    Outcome outcome = Outcome::None;
    m_readoutAtOperator = m_display;
    if (m_lastKeyKind == LastKeyKind::Num) countOperand();

    switch (m_operandCount) {
        case 0:
            // A minus before any number makes that number negative.
            if (op == PendingOperator::Minus && m_lastKeyKind != LastKeyKind::Neg) {
                m_display.insert(0, "-");
                m_lastKeyKind = LastKeyKind::Neg;
            }
            break;
        case 1:
            // A minus right after another operator starts a negative second
            // operand; right after "=" it subtracts from the result.
            m_firstOperand = CalculatorOperand::text(m_display);
            if (op == PendingOperator::Minus && m_lastKeyKind != LastKeyKind::Num &&
                m_pendingOperator != PendingOperator::Equals) {
                m_display = "-";
                m_lastKeyKind = LastKeyKind::Neg;
            }
            break;
        case 2:
            m_secondOperand = CalculatorOperand::text(m_readoutAtOperator);
            outcome = computePending();
            if (outcome == Outcome::Overflow) return outcome;
            m_display = m_firstOperand.displayText();
            m_operandCount = 1;
            break;
        default:
            // Past two operands only "C" makes the operators compute again.
            break;
    }

    if (m_lastKeyKind != LastKeyKind::Neg) {
        m_lastKeyKind = LastKeyKind::Op;
        m_pendingOperator = op;
    }
    return outcome;
}

CalculatorEngine::Outcome CalculatorEngine::computePending() {
    const double a = m_firstOperand.value();
    const double b = m_secondOperand.value();
    double result = 0.0;
    switch (m_pendingOperator) {
        case PendingOperator::Plus: result = a + b; break;
        case PendingOperator::Minus: result = a - b; break;
        case PendingOperator::Times:
        case PendingOperator::Percent: result = a * b; break;
        case PendingOperator::Divide:
            if (b == 0.0) return Outcome::DivisionByZero;  // the first operand stays
            result = a / b;
            break;
        case PendingOperator::Equals: result = b; break;
        case PendingOperator::None: return Outcome::None;
    }
    const auto settled = settle(result);
    if (!settled) {
        enterError();
        return Outcome::Overflow;
    }
    m_firstOperand = CalculatorOperand::number(*settled);
    return Outcome::None;
}

void CalculatorEngine::countOperand() {
    // The count only grows past 2 while nothing computes; holding it at the
    // top of its 16-bit range keeps it from wrapping round to a small value.
    if (m_operandCount < std::numeric_limits<std::int16_t>::max()) ++m_operandCount;
}

void CalculatorEngine::enterError() {
    m_error = true;
    m_display = std::string(kCalculatorErrorText);
}

}  // namespace ombrana
