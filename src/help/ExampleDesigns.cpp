#include "help/ExampleDesigns.h"

#include <array>

#include "app/DesignLook.h"
#include "help/ExampleWindow.h"

namespace ombrana {
namespace {

using namespace design;

constexpr Font kFrameCaption{"MS Sans Serif", 8.25, false};

constexpr const char* kPassaBassoPi = "Cella Passa Basso  Pi - Greco";

// Three rows of low-pass cells; neighbouring frames overlap by 15 twips.
constexpr std::array kEsempiControls{
    Control{Kind::Frame, "Frame1", nullptr, 3360, 360, 4215, 2415, kPassaBassoPi, kFrameCaption, kDefault, 0xFFFFC0},
    Control{Kind::Frame, "Frame2", nullptr, 7560, 360, 4215, 2415, kPassaBassoPi, kFrameCaption, kDefault, 0xFFFFC0},
    Control{Kind::Frame, "Frame3", nullptr, 3360, 3120, 4215, 2415, "Cella Passa Basso a T", kFrameCaption, kDefault,
            kArancioChiaro},
    Control{Kind::Frame, "Frame4", nullptr, 7560, 3120, 4215, 2415, "Cella Passa Basso a T", kFrameCaption, kDefault,
            kArancioChiaro},
    Control{Kind::Frame, "Frame5", nullptr, 3360, 5880, 3015, 2415, kPassaBassoPi, kFrameCaption, kDefault, 0xC0FFC0},
    Control{Kind::Frame, "Frame6", nullptr, 6360, 5880, 2655, 2415, kPassaBassoPi, kFrameCaption, kDefault, 0xC0FFC0},
    Control{Kind::Frame, "Frame7", nullptr, 9000, 5880, 2775, 2415, kPassaBassoPi, kFrameCaption, kDefault, 0xC0FFC0},
    Control{Kind::TextBox, "Text1", nullptr, 0, 360, 3255, 2415,
            "Per aumentare i dB di \nattenuazione per ottava, si \npossono collegare in serie pi\u00f9 \ncelle.In "
            "questo esempio, un \nfiltro Passa Basso a Pi  Greco \ncomposto da due celle \u00e8 in \ngrado di "
            "attenuare  48 dB per ottava.",
            kGrassetto975, kDefault, kCianoPallido},
    Control{Kind::TextBox, "Text2", nullptr, 0, 3120, 3255, 2415,
            "Un filtro Passa Basso a  T \ncomposto da due celle, \u00e8 in \ngrado di attenuare 48 dB per \nottava.\n",
            kGrassetto975, kDefault, kCianoPallido},
    Control{Kind::TextBox, "Text3", nullptr, 0, 5880, 3255, 2415,
            "Utilizzando tre celle,si pu\u00f2 ottenere un'attenuazione di 72 dB per ottava.\n", kGrassetto975, kDefault,
            kCianoPallido},
    Control{Kind::Button, "Command1", nullptr, 1080, 7920, 1095, 375, "CHIUDI", kGrassetto825, kDefault, kGiallo},
};

constexpr std::array kEsempiCells{
    ExampleCell{"Frame1", CellLayout::LowPassPi, true, false, true},
    ExampleCell{"Frame2", CellLayout::LowPassPi, false, true, true},
    ExampleCell{"Frame3", CellLayout::LowPassT, true, false, true},
    ExampleCell{"Frame4", CellLayout::LowPassT, false, true, true},
    ExampleCell{"Frame5", CellLayout::LowPassPi, true, false, true},
    ExampleCell{"Frame6", CellLayout::LowPassPi, false, false, true},
    ExampleCell{"Frame7", CellLayout::LowPassPi, false, true, true},
};

// Two band-pass filters, each a high-pass cell followed by a low-pass cell.
constexpr std::array kPassabandaControls{
    Control{Kind::Label, "Label1", nullptr, 0, 240, 11910, 615, "PASSA  BANDA", kTitolo24, kRosso, kDefault,
            Centre | Transparent},
    Control{Kind::Frame, "Frame1", nullptr, 3240, 1080, 4215, 2655, "Cella Passa Alto a T", kGrassetto825, kGiallo,
            kBluNotte},
    Control{Kind::Frame, "Frame2", nullptr, 7440, 1080, 4215, 2655, kPassaBassoPi, kGrassetto825, kGiallo, kBluNotte},
    Control{Kind::Frame, "Frame3", nullptr, 3240, 5040, 4215, 2535, "Cella  Passa Alto   Pi - Greco", kGrassetto825,
            kGiallo, kBluNotte},
    Control{Kind::Frame, "Frame4", nullptr, 7440, 5040, 4215, 2535, kPassaBassoPi, kGrassetto825, kGiallo, kBluNotte},
    Control{Kind::TextBox, "Text1", nullptr, 240, 1080, 2775, 2655,
            "Filtro Passa Banda \ncomposto\t da un filtro \nPassa Alto a T calcolato \nper la frequenza  pi\u00f9 "
            "\nbassa che dovr\u00e0 \npassare, e da un filtro \nPassa Basso a Pi-Greco \ncalcolato per la "
            "\nfrequenza pi\u00f9 alta che \ndovr\u00e0 passare\n",
            kGrassetto975, kDefault, kCianoPallido},
    Control{Kind::TextBox, "Text2", nullptr, 240, 5040, 2775, 2535,
            "Filtro Passa Banda \ncomposto da un filtro \nPassa Alto a Pi-Greco \ncalcolato per la pi\u00f9 "
            "\nbassa frequenza che \ndovr\u00e0 passare, e da un \nfiltro Passa Basso a \nPi-Greco calcolato per la "
            "\nfrequenza pi\u00f9 alta che \ndovr\u00e0 passare\n",
            kGrassetto975, kDefault, kCianoPallido},
    Control{Kind::Button, "Command1", nullptr, 1080, 4200, 1095, 375, "CHIUDI", kGrassetto825, kDefault, kGiallo},
};

// Only the low-pass cells carry a ground sign here.
constexpr std::array kPassabandaCells{
    ExampleCell{"Frame1", CellLayout::HighPassT, true, false, false},
    ExampleCell{"Frame2", CellLayout::LowPassPi, false, true, true},
    ExampleCell{"Frame3", CellLayout::HighPassPi, true, false, false},
    ExampleCell{"Frame4", CellLayout::LowPassPi, false, true, true},
};

// Dark drawings on the pale frames of the multi-cell examples.
CellStyle esempiStyle() {
    CellStyle s;
    s.wire = Qt::black;
    s.plate = QColor(0x00, 0x00, 0xC0);
    s.coilBorder = Qt::black;
    s.hatch = Qt::red;
    s.text = Qt::black;
    return s;
}

// White wires and labels, light blue plates on the dark blue frames.
CellStyle passabandaStyle() {
    CellStyle s;
    s.wire = Qt::white;
    s.plate = QColor(0x80, 0xC0, 0xFF);
    s.coilBorder = Qt::white;
    s.hatch = Qt::red;
    s.text = Qt::white;
    return s;
}

}  // namespace

QWidget* creaEsempi() {
    const ExampleDesign d{{QStringLiteral("ESEMPI"), 11910, 8595, kTeal, WindowDesign::Placement::Maximised},
                          kEsempiControls,
                          kEsempiCells,
                          esempiStyle()};
    return new ExampleWindow(d);
}

QWidget* creaPassabanda() {
    const QString title = QStringLiteral("PASSA  BANDA") + spazi(67) + QStringLiteral("by") + spazi(4) +
                          QStringLiteral("QUENDAL") + spazi(46) + QStringLiteral("rev 1.02");
    const ExampleDesign d{{title, 11910, 8040, kTeal, WindowDesign::Placement::Maximised},
                          kPassabandaControls,
                          kPassabandaCells,
                          passabandaStyle()};
    return new ExampleWindow(d);
}

}  // namespace ombrana
