#include "CalculatorWindows.h"

namespace ombrana {

void registerCalculatorWindows() {}

}  // namespace ombrana
