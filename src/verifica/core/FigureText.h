#pragma once

#include <optional>
#include <string>

namespace ombrana {

// A figure rounded to the given decimals, as decimal text with the comma;
// the empty text for a figure that could not be had.
std::string figureText(std::optional<double> value, int decimals);

// A figure rounded to the given significant digits.
std::string significantText(std::optional<double> value, int digits);

// A value with its unit, as the window, the sheet and the proposals write
// it: "430 pF", "2,372 µH", "7,2 MHz".
std::string pfText(double pf);
std::string uhText(double uh);
std::string mhzText(double mhz);

// An SWR to two decimals; past 99 only "> 99": the digits would mean
// nothing.
std::string swrText(std::optional<double> swr);

}  // namespace ombrana
