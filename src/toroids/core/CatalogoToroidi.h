#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace ombrana {

// One iron-powder toroid core: its designation ("T", size, "/", mix), its
// inductance factor AL in µH per 100 turns (0 when there is no data) and,
// for the cores offered in the picker, the largest inductance in µH that the
// turns calculation accepts.
struct VoceToroide {
    std::string_view sigla;
    double al;
    std::optional<double> limite;
};

inline constexpr std::optional<double> kNoLimit = std::nullopt;

// Size-major, mix-minor: sizes 37 to 200 with mixes 0, 1, 2, 3, 6, 7, 10, 12,
// 15, 17, then T300/2 alone. The limits are the turns that the thinnest wire
// allows on each size, fixed as typed here (a few do not follow AL x N^2).
// clang-format off
inline constexpr std::array<VoceToroide, 121> catalogoToroidi{{
    {"T37/0", 4.9, 2.07},     {"T37/1", 80, 33.8},      {"T37/2", 40, 16.9},      {"T37/3", 120, 50.7},
    {"T37/6", 30, 12.67},     {"T37/7", 32, 13.52},     {"T37/10", 25, 10.56},    {"T37/12", 15, 6.33},
    {"T37/15", 90, 38.02},    {"T37/17", 15, 6.33},

    {"T44/0", 6.5, 3.65},     {"T44/1", 105, 59.06},    {"T44/2", 52, 29.25},     {"T44/3", 180, 101.25},
    {"T44/6", 42, 23.62},     {"T44/7", 46, 25.87},     {"T44/10", 33, 18.56},    {"T44/12", 19, 10.68},
    {"T44/15", 160, 90},      {"T44/17", 19, 10.68},

    {"T50/0", 6.4, 6.78},     {"T50/1", 100, 106.09},   {"T50/2", 49, 51.98},     {"T50/3", 175, 185.65},
    {"T50/6", 40, 42.43},     {"T50/7", 43, 45.61},     {"T50/10", 31, 32.88},    {"T50/12", 18, 19.09},
    {"T50/15", 135, 143.22},  {"T50/17", 18, 19.09},

    {"T60/0", 0, kNoLimit},   {"T60/1", 0, kNoLimit},   {"T60/2", 65, 84.47},     {"T60/3", 0, kNoLimit},
    {"T60/6", 55, 71.46},     {"T60/7", 0, kNoLimit},   {"T60/10", 0, kNoLimit},  {"T60/12", 0, kNoLimit},
    {"T60/15", 0, kNoLimit},  {"T60/17", 0, kNoLimit},

    {"T68/0", 7.5, 12.09},    {"T68/1", 115, 185.48},   {"T68/2", 57, 91.93},     {"T68/3", 195, 314.51},
    {"T68/6", 47, 75.8},      {"T68/7", 52, 83.87},     {"T68/10", 32, 51.61},    {"T68/12", 21, 33.87},
    {"T68/15", 180, 290.32},  {"T68/17", 0, kNoLimit},

    {"T80/0", 8.5, 24.56},    {"T80/1", 115, 332.35},   {"T80/2", 55, 158.95},    {"T80/3", 180, 520.2},
    {"T80/6", 45, 130.05},    {"T80/7", 50, 144.5},     {"T80/10", 32, 92.48},    {"T80/12", 22, 63.58},
    {"T80/15", 170, 491.3},   {"T80/17", 0, kNoLimit},

    {"T94/0", 10.6, 40.3},    {"T94/1", 160, 608.4},    {"T94/2", 84, 319.41},    {"T94/3", 248, 943.02},
    {"T94/6", 70, 266.17},    {"T94/7", 0, kNoLimit},   {"T94/10", 58, 220.54},   {"T94/12", 0, kNoLimit},
    {"T94/15", 200, 760.5},   {"T94/17", 0, kNoLimit},

    {"T106/0", 19, 74.78},    {"T106/1", 325, 1274.13}, {"T106/2", 135, 529.25},  {"T106/3", 450, 1764.18},
    {"T106/6", 116, 454.76},  {"T106/7", 133, 521.41},  {"T106/10", 0, kNoLimit}, {"T106/12", 0, kNoLimit},
    {"T106/15", 345, 1352.53},{"T106/17", 0, kNoLimit},

    {"T130/0", 15, 113.43},   {"T130/1", 200, 1512.5},  {"T130/2", 110, 831.87},  {"T130/3", 350, 2646.87},
    {"T130/6", 96, 726},      {"T130/7", 103, 778.93},  {"T130/10", 0, kNoLimit}, {"T130/12", 0, kNoLimit},
    {"T130/15", 250, 1890.62},{"T130/17", 0, kNoLimit},

    {"T157/0", 0, kNoLimit},  {"T157/1", 320, 3591.2},  {"T157/2", 140, 1571.15}, {"T157/3", 420, 4713.45},
    {"T157/6", 115, 1290.58}, {"T157/7", 0, kNoLimit},  {"T157/10", 0, kNoLimit}, {"T157/12", 0, kNoLimit},
    {"T157/15", 360, 2805.62},{"T157/17", 0, kNoLimit},

    {"T184/0", 0, kNoLimit},  {"T184/1", 500, 2800},    {"T184/2", 240, 2700},    {"T184/3", 720, 8100},
    {"T184/6", 195, 2190},    {"T184/7", 0, kNoLimit},  {"T184/10", 0, kNoLimit}, {"T184/12", 0, kNoLimit},
    {"T184/15", 0, kNoLimit}, {"T184/17", 0, kNoLimit},

    {"T200/0", 0, kNoLimit},  {"T200/1", 250, 4840},    {"T200/2", 120, 2323.2},  {"T200/3", 425, 8228},
    {"T200/6", 100, 1936},    {"T200/7", 105, 2032.8},  {"T200/10", 0, kNoLimit}, {"T200/12", 0, kNoLimit},
    {"T200/15", 0, kNoLimit}, {"T200/17", 0, kNoLimit},

    {"T300/2", 114, 5349.16},
}};
// clang-format on

namespace detail {
constexpr std::size_t contaSelezionabili() {
    std::size_t n = 0;
    for (const VoceToroide& v : catalogoToroidi)
        if (v.limite) ++n;
    return n;
}
}  // namespace detail

inline constexpr std::size_t kNumeroSelezionabili = detail::contaSelezionabili();

// The designations offered by the core picker, in catalogue order: the cores
// that have a limit.
inline constexpr std::array<std::string_view, kNumeroSelezionabili> toroidiSelezionabili = [] {
    std::array<std::string_view, kNumeroSelezionabili> list{};
    std::size_t i = 0;
    for (const VoceToroide& v : catalogoToroidi)
        if (v.limite) list[i++] = v.sigla;
    return list;
}();

static_assert(kNumeroSelezionabili == 86);

// The size part of a designation: "T37" for "T37/12".
constexpr std::string_view misuraDi(std::string_view sigla) {
    return sigla.substr(0, sigla.find('/'));
}

// AL for whatever text the picker holds. The catalogue is scanned in pairs of
// neighbouring mixes of one size; a pair gives the AL of its first member
// found in the text, and later pairs overwrite earlier ones, so "T37/12"
// gives the AL of T37/12 rather than that of T37/1. Nothing when no
// designation occurs in the text; 0 for a core without data.
std::optional<double> fattoreAL(std::string_view testo);

// The limit of a core picked from the list, by exact name; nothing for any
// other text.
std::optional<double> limiteInduttanza(std::string_view nome);

// The catalogue's designation of a core written the maker's way or typed
// loosely: blanks around it ignored, a lower-case "t" for the "T", a minus
// for the slash ("T50-2", "t50/2", " t50-2 " give "T50/2"). Nothing for a
// designation that the catalogue does not hold, never a neighbour that
// shares its first characters ("T50-22" is not T50/2). Cores without data
// (AL 0) are in the catalogue too.
std::optional<std::string_view> siglaDiCatalogo(std::string_view scritta);

}  // namespace ombrana
