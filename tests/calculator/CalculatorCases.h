#pragma once

#include <array>

// Key sequences (captions separated by blanks) and the display text after
// the last key, trailing comma included. Shared by the engine and window
// tests.
namespace ombrana::test {

struct CalculatorCase {
    const char* name;
    const char* keys;
    const char* display;
};

inline constexpr std::array<CalculatorCase, 26> kCalculatorCases{{
    {"opened", "", "0,"},
    {"C", "C", "0,"},
    {"CE", "CE", "0,"},
    {"first digit replaces zero", "5", "5,"},
    {"leading zeros stay", "0 0 7", "007,"},
    {"sum", "1 2 + 3 =", "15"},
    {"second plus completes the sum", "2 + 3 +", "5"},
    {"left to right", "2 + 3 + 4 =", "9"},
    {"decimals", "1 . 5 + 2 . 2 5 =", "3,75"},
    {"15 digits hide the binary error", ". 1 + . 2 =", "0,3"},
    {"minus before any number is a sign", "- 5 + 2 =", "-3"},
    {"minus after operator starts negative operand", "5 - - 3 =", "8"},
    {"minus after equals subtracts", "2 + 3 = - 1 =", "4"},
    {"number after equals starts anew", "2 + 3 = 7 + 1 =", "8"},
    {"repeated equals", "2 + 3 = =", "5"},
    {"last of two operators counts", "5 + X 3 =", "15"},
    {"second decimal changes nothing", ". .", "0,"},
    {"CE discards the entry only", "5 + 3 CE 4 =", "9"},
    {"division by zero keeps first operand", "8 / 0 =", "8,"},
    {"percent", "5 0 %", "0,5"},
    {"equals after percent leaves it", "5 0 % =", "0,5"},
    {"count past two stops computing", "5 X 2 % % =", "0,0002"},
    {"equals raises the count to three", "5 + 3 % 2 =", "2,"},
    {"percent turns times into hundredths", "2 0 0 X 5 % =", "10"},
    {"percent replaces plus by times", "2 0 0 + 5 % =", "10"},
    {"decimal then digits", ". 0 5", "0,05"},
}};

}  // namespace ombrana::test
