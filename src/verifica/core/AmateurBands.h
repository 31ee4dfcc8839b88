#pragma once

#include <array>
#include <string_view>

namespace ombrana {

// The amateur bands from 160 m to 2 m, with their edges in IARU Region 1.
struct AmateurBand {
    std::string_view name;
    double fromMHz;
    double toMHz;
};

// clang-format off
inline constexpr std::array<AmateurBand, 13> kAmateurBands{{
    {.name = "160 m", .fromMHz = 1.810, .toMHz = 2.000},
    {.name = "80 m", .fromMHz = 3.500, .toMHz = 3.800},
    {.name = "60 m", .fromMHz = 5.3515, .toMHz = 5.3665},
    {.name = "40 m", .fromMHz = 7.000, .toMHz = 7.200},
    {.name = "30 m", .fromMHz = 10.100, .toMHz = 10.150},
    {.name = "20 m", .fromMHz = 14.000, .toMHz = 14.350},
    {.name = "17 m", .fromMHz = 18.068, .toMHz = 18.168},
    {.name = "15 m", .fromMHz = 21.000, .toMHz = 21.450},
    {.name = "12 m", .fromMHz = 24.890, .toMHz = 24.990},
    {.name = "10 m", .fromMHz = 28.000, .toMHz = 29.700},
    {.name = "6 m", .fromMHz = 50.000, .toMHz = 54.000},
    {.name = "4 m", .fromMHz = 70.000, .toMHz = 70.500},
    {.name = "2 m", .fromMHz = 144.000, .toMHz = 146.000},
}};
// clang-format on

// The band edge nearest the cut-off, where loss and SWR are worst: the top
// of the band behind a low-pass cell, the bottom behind a high-pass one.
constexpr double operatingFrequencyOf(const AmateurBand& band, bool lowPass) {
    return lowPass ? band.toMHz : band.fromMHz;
}

}  // namespace ombrana
