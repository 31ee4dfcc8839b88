#include "inductors/core/NegativeText.h"

#include "app/core/NumberText.h"

namespace ombrana {

bool eNumeroNegativo(std::string_view text) {
    return text.size() > 1 && text.front() == '-' && leggiNumero(text.substr(1)).has_value();
}

}  // namespace ombrana
