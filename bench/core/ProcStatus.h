#pragma once

#include <optional>
#include <string_view>

namespace ombrana::bench {

// A size field of /proc/<pid>/status ("VmRSS", "VmHWM", ...) in KiB, read
// from the text of that file; nothing when the field is missing or malformed.
std::optional<long> campoStatusKiB(std::string_view statusText, std::string_view field);

// The same field of the running process.
std::optional<long> campoStatusProprioKiB(std::string_view field);

}  // namespace ombrana::bench
