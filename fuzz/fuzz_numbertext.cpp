// Reading and writing numbers: whatever reads as a number writes back to a
// text that reads again, writing is idempotent, a text of at most 15
// significant digits survives the round trip exactly, and no double ever
// writes as "inf", "nan" or an exponent.
#include "app/core/NumberText.h"
#include "fuzz/FuzzChecks.h"

#include <cmath>
#include <cstring>

using namespace ombrana;
using namespace ombrana::fuzz;

namespace {

// Significant digits of a well-shaped text (digits and one comma).
std::size_t cifreSignificative(std::string_view t) {
    std::string cifre;
    for (char c : t)
        if (c != ',') cifre.push_back(c);
    const auto primo = cifre.find_first_not_of('0');
    if (primo == std::string::npos) return 0;
    return cifre.find_last_not_of('0') - primo + 1;
}

void provaTesto(std::string_view t) {
    const auto letto = leggiNumero(t);
    const auto singolo = leggiNumeroSingolo(t);
    if (singolo) {
        verifica(letto.has_value(), "reads in single but not in double precision", t);
        verifica(std::isfinite(*singolo) && *singolo >= 0, "single reading not finite or negative", t);
    }
    if (!letto) return;
    verifica(std::isfinite(*letto) && *letto >= 0, "reading not finite or negative", t);

    const std::string scritto = scriviNumero(*letto);
    verifica(eNumeroScritto(scritto), "written text malformed", scritto);
    const auto riletto = leggiNumero(scritto);
    verifica(riletto.has_value(), "written text does not read back", scritto);
    verifica(scriviNumero(*riletto) == scritto, "writing is not idempotent", scritto);
    if (cifreSignificative(t) <= 15)
        verifica(*riletto == *letto, "a number of at most 15 digits changed on the round trip", t);
}

void provaDouble(double x) {
    const std::string s = scriviNumero(x);
    if (!std::isfinite(x)) {
        verifica(s.empty(), "non-finite value written as text", s);
        return;
    }
    verifica(eNumeroScritto(s), "written text malformed", s);
    const std::string_view modulo = s.front() == '-' ? std::string_view(s).substr(1) : std::string_view(s);
    const auto riletto = leggiNumero(modulo);
    verifica(riletto.has_value(), "written text of a double does not read back", s);
    verifica(*riletto == std::fabs(arrotonda15Cifre(x)), "written text is not the value at 15 digits", s);
    verifica(std::isfinite(arrotonda15Cifre(x)), "rounding to 15 digits left the range", s);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view t(reinterpret_cast<const char*>(data), size);
    provaTesto(t);
    if (size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        provaDouble(x);
    }
    return 0;
}
