#include "bench/core/ProcStatus.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <string>

namespace ombrana::bench {

std::optional<long> campoStatusKiB(std::string_view text, std::string_view field) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (line.size() <= field.size() || line.substr(0, field.size()) != field || line[field.size()] != ':') continue;
        std::string_view rest = line.substr(field.size() + 1);
        while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
        long value = 0;
        const auto [after, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
        if (error != std::errc() || after == rest.data()) return std::nullopt;
        const std::string_view unit = rest.substr(static_cast<std::size_t>(after - rest.data()));
        if (unit != " kB") return std::nullopt;
        return value;
    }
    return std::nullopt;
}

std::optional<long> campoStatusProprioKiB(std::string_view field) {
    std::ifstream file("/proc/self/status");
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return campoStatusKiB(text.str(), field);
}

}  // namespace ombrana::bench
