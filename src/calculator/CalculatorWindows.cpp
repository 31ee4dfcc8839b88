#include "CalculatorWindows.h"

#include "Calculator.h"
#include "WindowNames.h"
#include "WindowRegistry.h"

namespace ombrana {

void registerCalculatorWindows() {
    finestre().registerWindow(nomi::calcolatrice, [] { return new Calculator; });
}

}  // namespace ombrana
