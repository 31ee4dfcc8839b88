// The calculator on any key sequence (one key per input byte): the display
// is always a number the calculator can read back, a sign being typed, or
// the error text; never "inf" or "nan"; the operand count never goes
// negative.
#include "calculator/core/CalculatorEngine.h"
#include "calculator/core/CalculatorText.h"
#include "fuzz/FuzzChecks.h"

using namespace ombrana;
using namespace ombrana::fuzz;

namespace {

constexpr std::size_t kTasti = 19;  // CalculatorKey::Digit0 .. CalculatorKey::CancelEntry

bool displayAmmesso(const std::string& d) {
    if (d == kCalculatorErrorText || d == "-") return true;
    if (d.find("inf") != std::string::npos || d.find("nan") != std::string::npos) return false;
    return readCalculatorNumber(d).has_value();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CalculatorEngine engine;
    std::string tasti;
    for (std::size_t i = 0; i < size; ++i) {
        const auto key = static_cast<CalculatorKey>(data[i] % kTasti);
        tasti += calculatorCaption(key);
        tasti += ' ';
        engine.press(key);
        verifica(displayAmmesso(engine.display()), "display not a number", tasti + "=> " + engine.display());
        verifica(engine.operandCount() >= 0, "operand count negative", tasti);
        verifica(engine.inError() == (engine.display() == kCalculatorErrorText), "error state and display disagree",
                 tasti + "=> " + engine.display());
    }
    return 0;
}
