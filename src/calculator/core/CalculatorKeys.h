#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace ombrana {

// Every key of the calculator. The digits come first so that a digit's
// value is its position.
// clang-format off
enum class CalculatorKey {
    Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
    Decimal, Percent, Plus, Minus, Times, Divide, Equals, Cancel, CancelEntry,
};
// clang-format on

struct CalculatorKeyCaption {
    std::string_view caption;
    CalculatorKey key;
};

// The caption of each key, as it reads on the window.
inline constexpr std::array<CalculatorKeyCaption, 19> kCalculatorKeyCaptions{{
    {"0", CalculatorKey::Digit0},       {"1", CalculatorKey::Digit1},  {"2", CalculatorKey::Digit2},
    {"3", CalculatorKey::Digit3},       {"4", CalculatorKey::Digit4},  {"5", CalculatorKey::Digit5},
    {"6", CalculatorKey::Digit6},       {"7", CalculatorKey::Digit7},  {"8", CalculatorKey::Digit8},
    {"9", CalculatorKey::Digit9},       {".", CalculatorKey::Decimal}, {"%", CalculatorKey::Percent},
    {"+", CalculatorKey::Plus},         {"-", CalculatorKey::Minus},   {"X", CalculatorKey::Times},
    {"/", CalculatorKey::Divide},       {"=", CalculatorKey::Equals},  {"C", CalculatorKey::Cancel},
    {"CE", CalculatorKey::CancelEntry},
}};

// The key that a caption stands for; a key acts on its caption.
constexpr std::optional<CalculatorKey> calculatorKeyForCaption(std::string_view caption) {
    for (const auto& entry : kCalculatorKeyCaptions)
        if (entry.caption == caption) return entry.key;
    return std::nullopt;
}

constexpr std::string_view calculatorCaption(CalculatorKey key) {
    for (const auto& entry : kCalculatorKeyCaptions)
        if (entry.key == key) return entry.caption;
    return {};
}

}  // namespace ombrana
