#pragma once

#include "app/ControlTable.h"

// The colours and fonts that the windows share.
namespace ombrana::design {

inline constexpr int kTeal = 0x008080;          // ground of the large windows
inline constexpr int kRosso = 0xFF0000;         // headings, "CALCOLA"
inline constexpr int kVerde = 0x00FF00;         // "CANCELLA"
inline constexpr int kGiallo = 0xFFFF00;        // "CHIUDI"
inline constexpr int kBlu = 0x0000FF;
inline constexpr int kBluNotte = 0x000080;      // frames that hold a cell drawing
inline constexpr int kBluScuro = 0x0000C0;      // captions on the orange frames
inline constexpr int kBianco = 0xFFFFFF;
inline constexpr int kNero = 0x000000;
inline constexpr int kCiano = 0x80FFFF;         // tool buttons
inline constexpr int kCianoPallido = 0xC0FFFF;  // text boxes
inline constexpr int kArancioChiaro = 0xFFC080; // frames holding the inputs

inline constexpr Font kGrassetto825{"MS Sans Serif", 8.25, true};
inline constexpr Font kGrassetto975{"MS Sans Serif", 9.75, true};
inline constexpr Font kGrassetto12{"MS Sans Serif", 12, true};
inline constexpr Font kTitolo24{"MS Sans Serif", 24, true};

}  // namespace ombrana::design
