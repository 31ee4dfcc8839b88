#pragma once

#include "app/ControlTable.h"

#include <QColor>

// The colours and fonts that the windows share: the only place that names a
// colour value or a font family.
namespace ombrana::design {

// Colours, 0xRRGGBB.
inline constexpr int kTeal = 0x008080;    // ground of the large windows
inline constexpr int kRed = 0xFF0000;     // headings, "CALCOLA"
inline constexpr int kGreen = 0x00FF00;   // "CANCELLA", "CONTINUA"
inline constexpr int kYellow = 0xFFFF00;  // "CHIUDI"
inline constexpr int kBlue = 0x0000FF;
inline constexpr int kNavy = 0x000080;      // frames that hold a cell drawing
inline constexpr int kDarkBlue = 0x0000C0;  // captions on the orange frames
inline constexpr int kWhite = 0xFFFFFF;
inline constexpr int kBlack = 0x000000;
inline constexpr int kLightCyan = 0x80FFFF;     // tool buttons
inline constexpr int kPaleCyan = 0xC0FFFF;      // text boxes
inline constexpr int kLightOrange = 0xFFC080;   // frames holding the inputs
inline constexpr int kOrange = 0xFF8000;        // "INDUTTANZA"
inline constexpr int kPink = 0xFFC0FF;          // the air-core coil button
inline constexpr int kMagenta = 0xFF00FF;       // "FINE"
inline constexpr int kPaleYellow = 0xFFFFC0;    // example frames
inline constexpr int kPaleGreen = 0xC0FFC0;     // example frames
inline constexpr int kDarkGrey = 0x404040;      // caption of the turns frame
inline constexpr int kSilver = 0xC0C0C0;        // reference table rows
inline constexpr int kLightGrey = 0xE0E0E0;     // reference table rows
inline constexpr int kPaleGrey = 0xD0D0D0;      // the response plot's grid
inline constexpr int kMidGrey = 0x909090;       // the response plot's decade lines
inline constexpr int kLavender = 0x8080FF;      // capacitor plates on the dark frames
inline constexpr int kSkyBlue = 0x80C0FF;       // capacitor plates on the band-pass frames
inline constexpr int kIconInk = 0x202020;       // the calculator's icon: outlines
inline constexpr int kIconBody = 0x909098;      // its case
inline constexpr int kIconKey = 0xF0F0F0;       // its keys
inline constexpr int kScrollGroove = 0xF0F0F0;  // scroll bars: the groove and the arrow buttons
inline constexpr int kScrollHandle = 0x8C8C8C;  // the handle, darker than the groove
inline constexpr int kScrollArrow = 0x404040;   // the arrows

inline QColor colour(int rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

// Font families: the free face installed in place of each family of the
// design (named beside it), so that Qt finds it at its first lookup.
// Fonts.cpp names further faces for a machine without it.
inline constexpr const char* kMsSansSerif = "Liberation Sans";  // MS Sans Serif
inline constexpr const char* kArial = "Liberation Sans";        // Arial
inline constexpr const char* kTahoma = "Liberation Sans";       // Tahoma
inline constexpr const char* kSystem = "Liberation Sans";       // System
inline constexpr const char* kBalloon = "Comic Neue";           // Balloon

constexpr Font bold(double points) {
    return {.family = kMsSansSerif, .points = points};
}

inline constexpr Font kRegular825{.family = kMsSansSerif, .points = 8.25, .bold = false};
inline constexpr Font kBold825 = bold(8.25);
inline constexpr Font kBold975 = bold(9.75);
inline constexpr Font kBold12 = bold(12);
inline constexpr Font kBold135 = bold(13.5);
inline constexpr Font kBold18 = bold(18);
inline constexpr Font kBold24 = bold(24);
inline constexpr Font kArialBold12{.family = kArial, .points = 12};
inline constexpr Font kArialBold48{.family = kArial, .points = 48};
inline constexpr Font kArialUnderlined1125{.family = kArial, .points = 11.25, .underline = true};
inline constexpr Font kBalloon1575{.family = kBalloon, .points = 15.75, .bold = false};
inline constexpr Font kSystemBold975{.family = kSystem, .points = 9.75};
inline constexpr Font kTahomaBold825{.family = kTahoma, .points = 8.25};
inline constexpr Font kCellNames{.points = 8.25};  // "C1", "L1" in a drawing: the painter's family, bold

}  // namespace ombrana::design
