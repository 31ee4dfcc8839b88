#pragma once

#include <string_view>

namespace ombrana {

// True for a text that is a number with a leading minus sign ("-7", "-0,5"),
// as only a paste can put into a numeric field. Such a text is not a number
// for the calculations, but it is no typing error either: the result is
// simply emptied.
bool eNumeroNegativo(std::string_view text);

}  // namespace ombrana
