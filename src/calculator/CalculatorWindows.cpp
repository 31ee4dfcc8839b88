#include "calculator/CalculatorWindows.h"

#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "calculator/Calculator.h"

namespace ombrana {

void registerCalculatorWindows() {
    finestre().registerWindow(nomi::calcolatrice, [] { return new Calculator; });
}

}  // namespace ombrana
