#pragma once

#include <array>
#include <string_view>

namespace ombrana {

// The three reference tables of the toroid window, as plain data: the window
// turns each row into labels.

// TAB 1: outer diameter of each core size.
struct RigaDiametro {
    std::string_view sigla;
    std::string_view diametro;
};
inline constexpr RigaDiametro kIntestazioneDiametri{"Sigla", "Diametro esterno"};
inline constexpr std::array<RigaDiametro, 13> tabellaDiametri{{
    {"T 37", "= 9,5  mm"},
    {"T 44", "= 11,2 mm"},
    {"T 50", "= 12,7 mm"},
    {"T 60", "= 15,2 mm"},
    {"T 68", "= 17,5 mm"},
    {"T 80", "= 20,0 mm"},
    {"T 94", "= 23,9 mm"},
    {"T 106", "= 26,9 mm"},
    {"T 130", "= 33,0 mm"},
    {"T 157", "= 34,9 mm"},
    {"T 184", "= 46,7 mm"},
    {"T 200", "= 50,8 mm"},
    {"T 300", "= 77,2 mm"},
}};

// TAB 2: colour code and frequency range of each mix. The range is shown as
// "from - to MHz" after as many blanks as the row's indent: the blanks line
// some rows up by eye in the centred column.
struct RigaMiscela {
    std::string_view numero;
    std::string_view colori;
    double daMHz;
    double aMHz;
    int rientro;
};
struct IntestazioneMiscele {
    std::string_view numero;
    std::string_view colori;
    std::string_view frequenza;
};
inline constexpr IntestazioneMiscele kIntestazioneMiscele{"Numero", "Colori", "Frequenza"};
// clang-format off
inline constexpr std::array<RigaMiscela, 10> tabellaMiscele{{
    {.numero = "/0",  .colori = "Marrone  Grigio",  .daMHz = 50,   .aMHz = 300, .rientro = 0},
    {.numero = "/1",  .colori = "Blu      Grigio",  .daMHz = 0.5,  .aMHz = 50,  .rientro = 0},
    {.numero = "/2",  .colori = "Rosso  Grigio",    .daMHz = 1,    .aMHz = 30,  .rientro = 3},
    {.numero = "/3",  .colori = "Grigio   Grigio",  .daMHz = 0.03, .aMHz = 1,   .rientro = 0},
    {.numero = "/6",  .colori = "Giallo   Grigio",  .daMHz = 2,    .aMHz = 50,  .rientro = 3},
    {.numero = "/7",  .colori = "Bianco  Grigio",   .daMHz = 1,    .aMHz = 20,  .rientro = 3},
    {.numero = "/10", .colori = "Nero     Grigio",  .daMHz = 10,   .aMHz = 100, .rientro = 0},
    {.numero = "/12", .colori = "Verde   Bianco",   .daMHz = 20,   .aMHz = 200, .rientro = 0},
    {.numero = "/15", .colori = "Rosso  Bianco",    .daMHz = 0.1,  .aMHz = 3,   .rientro = 2},
    {.numero = "/17", .colori = "Blu       Giallo", .daMHz = 20,   .aMHz = 200, .rientro = 0},
}};
// clang-format on

// TAB 3: the most turns each core size takes, by wire diameter. The sizes
// stand in the head row in this order; each row's values go under them.
inline constexpr std::array<std::string_view, 13> misureTab3{"T37",  "T44",  "T50",  "T60",  "T68",  "T80", "T94",
                                                             "T106", "T130", "T157", "T184", "T200", "T300"};
inline constexpr std::string_view kIntestazioneFilo = "Filo mm";
// clang-format off
inline constexpr std::string_view kIntestazioneMisure =
    "T37      T44      T50      T60      T68      T80       T94      T106     T130        "
    "T157       T184       T200      T300";
// clang-format on

struct RigaSpire {
    std::string_view filo;
    std::array<int, 13> spire;
};
// clang-format off
inline constexpr std::array<RigaSpire, 11> tabellaSpire{{
    {"0,20", {65, 75, 103, 114, 127, 170, 195, 198, 275, 335, 335, 440, 685}},
    {"0,25", {53, 60, 80, 89, 100, 136, 155, 158, 220, 265, 265, 355, 550}},
    {"0,30", {40, 45, 63, 69, 79, 105, 122, 125, 170, 206, 206, 280, 435}},
    {"0,40", {30, 35, 49, 54, 61, 84, 96, 98, 135, 163, 163, 220, 345}},
    {"0,50", {22, 26, 38, 41, 47, 66, 75, 77, 108, 130, 130, 175, 275}},
    {"0,60", {17, 20, 28, 31, 36, 52, 58, 60, 85, 103, 103, 140, 217}},
    {"0,80", {12, 15, 22, 23, 28, 39, 45, 46, 66, 81, 81, 108, 170}},
    {"1,0", {9, 10, 16, 17, 21, 30, 35, 36, 51, 63, 63, 86, 135}},
    {"1,3", {6, 7, 11, 12, 15, 23, 27, 28, 40, 50, 50, 68, 108}},
    {"1,6", {5, 6, 8, 8, 11, 17, 20, 20, 30, 38, 38, 52, 85}},
    {"2,0", {3, 5, 6, 6, 9, 12, 14, 15, 23, 29, 29, 41, 66}},
}};
// clang-format on

}  // namespace ombrana
