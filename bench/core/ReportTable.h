#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ombrana::bench {

// One row of the benchmark report: our figure beside the bare toolkit
// program's, their ratio, the goal and whether it is met.
struct Riga {
    std::string misura;
    std::string nostro;
    std::string nudo;
    std::string rapporto;
    std::string obiettivo;
    std::string esito;
};

// "si" when the value is at most the limit, "NO" when above, "-" when
// there is no value to judge.
std::string esito(std::optional<double> value, double limit);

// The rows as a Markdown table with a header and padded columns, so that
// it reads well in a terminal and pastes into the README as it is.
std::string impagina(const std::vector<Riga>& rows);

}  // namespace ombrana::bench
