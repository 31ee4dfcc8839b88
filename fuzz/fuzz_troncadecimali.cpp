// troncaDecimali on any double and any count of decimals from -128 to 127:
// no undefined behaviour, a finite result exactly for a finite input, never
// a move away from zero beyond the 15-digit rounding, no sign change, no
// negative zero, and cutting twice changes nothing.
#include "app/core/Truncation.h"
#include "fuzz/FuzzChecks.h"

#include <cmath>
#include <cstring>
#include <string>

using namespace ombrana;
using namespace ombrana::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double) + 1) return 0;
    double x;
    std::memcpy(&x, data, sizeof x);
    const int n = static_cast<std::int8_t>(data[sizeof x]);
    const double r = troncaDecimali(x, n);
    const std::string dettaglio = std::to_string(x) + " n=" + std::to_string(n) + " -> " + std::to_string(r);

    verifica(std::isfinite(r) == std::isfinite(x), "finite result for a non-finite input or the reverse", dettaglio);
    if (std::isnan(x)) return 0;
    if (std::isinf(x)) {
        verifica(r == x, "an infinity changed", dettaglio);
        return 0;
    }
    verifica(!(r == 0.0 && std::signbit(r)), "negative zero", dettaglio);
    verifica(r == 0.0 || std::signbit(r) == std::signbit(x), "sign changed", dettaglio);
    // The product is taken at 15 significant digits first, which may lift it
    // by half a unit of the 15th digit; nothing more.
    verifica(std::fabs(r) <= std::fabs(x) * (1 + 1e-14), "rounded away from zero", dettaglio);
    verifica(troncaDecimali(r, n) == r, "cutting twice changed the value", dettaglio);
    return 0;
}
