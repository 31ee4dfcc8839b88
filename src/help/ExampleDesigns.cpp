#include "help/ExampleDesigns.h"

#include "app/DesignLook.h"
#include "help/ExampleWindow.h"

#include <array>

namespace ombrana {
namespace {

using namespace design;

constexpr Font kFrameCaption = kRegular825;

constexpr const char* kPassaBassoPi = "Cella Passa Basso  Pi - Greco";

constexpr const char* kTestoDueCellePi =
    "Per aumentare i dB di \n"
    "attenuazione per ottava, si \n"
    "possono collegare in serie pi\u00f9 \n"
    "celle.In questo esempio, un \n"
    "filtro Passa Basso a Pi  Greco \n"
    "composto da due celle \u00e8 in \n"
    "grado di attenuare  48 dB per ottava.";

constexpr const char* kTestoDueCelleT =
    "Un filtro Passa Basso a  T \n"
    "composto da due celle, \u00e8 in \n"
    "grado di attenuare 48 dB per \n"
    "ottava.\n";

constexpr const char* kTestoTreCelle =
    "Utilizzando tre celle,si pu\u00f2 ottenere un'attenuazione di 72 dB per ottava.\n";

// Three rows of low-pass cells; neighbouring frames overlap by 15 twips.
// The last text is short enough to leave "CHIUDI" free below it.
// clang-format off
constexpr std::array kEsempiControls{
    Control{.kind = Kind::Frame, .name = "Frame1", .at = {3360, 360, 4215, 2415}, .text = kPassaBassoPi, .font = kFrameCaption, .bg = kPaleYellow},
    Control{.kind = Kind::Frame, .name = "Frame2", .at = {7560, 360, 4215, 2415}, .text = kPassaBassoPi, .font = kFrameCaption, .bg = kPaleYellow},
    Control{.kind = Kind::Frame, .name = "Frame3", .at = {3360, 3120, 4215, 2415}, .text = "Cella Passa Basso a T", .font = kFrameCaption, .bg = kLightOrange},
    Control{.kind = Kind::Frame, .name = "Frame4", .at = {7560, 3120, 4215, 2415}, .text = "Cella Passa Basso a T", .font = kFrameCaption, .bg = kLightOrange},
    Control{.kind = Kind::Frame, .name = "Frame5", .at = {3360, 5880, 3015, 2415}, .text = kPassaBassoPi, .font = kFrameCaption, .bg = kPaleGreen},
    Control{.kind = Kind::Frame, .name = "Frame6", .at = {6360, 5880, 2655, 2415}, .text = kPassaBassoPi, .font = kFrameCaption, .bg = kPaleGreen},
    Control{.kind = Kind::Frame, .name = "Frame7", .at = {9000, 5880, 2775, 2415}, .text = kPassaBassoPi, .font = kFrameCaption, .bg = kPaleGreen},
    Control{.kind = Kind::TextBox, .name = "Text1", .at = {0, 360, 3255, 2415}, .text = kTestoDueCellePi, .font = kBold975, .bg = kPaleCyan},
    Control{.kind = Kind::TextBox, .name = "Text2", .at = {0, 3120, 3255, 2415}, .text = kTestoDueCelleT, .font = kBold975, .bg = kPaleCyan},
    Control{.kind = Kind::TextBox, .name = "Text3", .at = {0, 5880, 3255, 1800}, .text = kTestoTreCelle, .font = kBold975, .bg = kPaleCyan},
    Control{.kind = Kind::Button, .name = "Command1", .at = {1080, 7920, 1095, 375}, .text = "CHIUDI", .font = kBold825, .bg = kYellow},
};
// clang-format on

constexpr std::array kEsempiCells{
    ExampleCell{.frame = "Frame1", .kind = TipoCella::PassaBassoPiGreco, .inPort = true},
    ExampleCell{.frame = "Frame2", .kind = TipoCella::PassaBassoPiGreco, .outPort = true},
    ExampleCell{.frame = "Frame3", .kind = TipoCella::PassaBassoT, .inPort = true},
    ExampleCell{.frame = "Frame4", .kind = TipoCella::PassaBassoT, .outPort = true},
    ExampleCell{.frame = "Frame5", .kind = TipoCella::PassaBassoPiGreco, .inPort = true},
    ExampleCell{.frame = "Frame6", .kind = TipoCella::PassaBassoPiGreco},
    ExampleCell{.frame = "Frame7", .kind = TipoCella::PassaBassoPiGreco, .outPort = true},
};

constexpr const char* kTestoBandaT =
    "Filtro Passa Banda \n"
    "composto\t da un filtro \n"
    "Passa Alto a T calcolato \n"
    "per la frequenza  pi\u00f9 \n"
    "bassa che dovr\u00e0 \n"
    "passare, e da un filtro \n"
    "Passa Basso a Pi-Greco \n"
    "calcolato per la \n"
    "frequenza pi\u00f9 alta che \n"
    "dovr\u00e0 passare\n";

constexpr const char* kTestoBandaPi =
    "Filtro Passa Banda \n"
    "composto da un filtro \n"
    "Passa Alto a Pi-Greco \n"
    "calcolato per la pi\u00f9 \n"
    "bassa frequenza che \n"
    "dovr\u00e0 passare, e da un \n"
    "filtro Passa Basso a \n"
    "Pi-Greco calcolato per la \n"
    "frequenza pi\u00f9 alta che \n"
    "dovr\u00e0 passare\n";

// Two band-pass filters, each a high-pass cell followed by a low-pass cell.
// clang-format off
constexpr std::array kPassabandaControls{
    Control{.kind = Kind::Label, .name = "Label1", .at = {0, 240, 11910, 615}, .text = "PASSA  BANDA", .font = kBold24, .fg = kRed, .flags = Centre | Transparent},
    Control{.kind = Kind::Frame, .name = "Frame1", .at = {3240, 1080, 4215, 2655}, .text = "Cella Passa Alto a T", .font = kBold825, .fg = kYellow, .bg = kNavy},
    Control{.kind = Kind::Frame, .name = "Frame2", .at = {7440, 1080, 4215, 2655}, .text = kPassaBassoPi, .font = kBold825, .fg = kYellow, .bg = kNavy},
    Control{.kind = Kind::Frame, .name = "Frame3", .at = {3240, 5040, 4215, 2535}, .text = "Cella  Passa Alto   Pi - Greco", .font = kBold825, .fg = kYellow, .bg = kNavy},
    Control{.kind = Kind::Frame, .name = "Frame4", .at = {7440, 5040, 4215, 2535}, .text = kPassaBassoPi, .font = kBold825, .fg = kYellow, .bg = kNavy},
    Control{.kind = Kind::TextBox, .name = "Text1", .at = {240, 1080, 2775, 2655}, .text = kTestoBandaT, .font = kBold975, .bg = kPaleCyan},
    Control{.kind = Kind::TextBox, .name = "Text2", .at = {240, 5040, 2775, 2535}, .text = kTestoBandaPi, .font = kBold975, .bg = kPaleCyan},
    Control{.kind = Kind::Button, .name = "Command1", .at = {1080, 4200, 1095, 375}, .text = "CHIUDI", .font = kBold825, .bg = kYellow},
};
// clang-format on

constexpr std::array kPassabandaCells{
    ExampleCell{.frame = "Frame1", .kind = TipoCella::PassaAltoT, .inPort = true},
    ExampleCell{.frame = "Frame2", .kind = TipoCella::PassaBassoPiGreco, .outPort = true},
    ExampleCell{.frame = "Frame3", .kind = TipoCella::PassaAltoPiGreco, .inPort = true},
    ExampleCell{.frame = "Frame4", .kind = TipoCella::PassaBassoPiGreco, .outPort = true},
};

// Dark drawings on the pale frames of the multi-cell examples.
DrawingStyle esempiStyle() {
    return {.wire = colour(kBlack),
            .plate = colour(kDarkBlue),
            .coilBorder = colour(kBlack),
            .hatch = colour(kRed),
            .text = colour(kBlack)};
}

// White wires and labels, light blue plates on the dark blue frames.
DrawingStyle passabandaStyle() {
    return {.wire = colour(kWhite),
            .plate = colour(kSkyBlue),
            .coilBorder = colour(kWhite),
            .hatch = colour(kRed),
            .text = colour(kWhite)};
}

}  // namespace

QWidget* creaEsempi() {
    const ExampleDesign d{.window = {.title = QStringLiteral("ESEMPI"), .widthTwips = 11910, .heightTwips = 8595},
                          .controls = kEsempiControls,
                          .cells = kEsempiCells,
                          .style = esempiStyle()};
    return new ExampleWindow(d);
}

QWidget* creaPassabanda() {
    const QString title = QStringLiteral("PASSA  BANDA") + blanks(67) + QStringLiteral("by") + blanks(4) +
                          QStringLiteral("QUENDAL") + blanks(46) + QStringLiteral("rev 1.02");
    const ExampleDesign d{.window = {.title = title, .widthTwips = 11910, .heightTwips = 8040},
                          .controls = kPassabandaControls,
                          .cells = kPassabandaCells,
                          .style = passabandaStyle()};
    return new ExampleWindow(d);
}

}  // namespace ombrana
