#include "calculator/CalculatorWindows.h"

#include "calculator/Calculator.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"

namespace ombrana {

void registerCalculatorWindows() {
    finestre().registerWindow(nomi::calcolatrice, [] { return new Calculator; });
}

}  // namespace ombrana
