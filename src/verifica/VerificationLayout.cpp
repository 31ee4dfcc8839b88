#include "verifica/VerificationLayout.h"

#include "app/DesignLook.h"
#include "app/WindowNames.h"

#include <QtGlobal>

namespace ombrana {
namespace {

using namespace design;

// The inputs in the orange frame, column by column: what the filter must
// do, how it is designed, how it is made.
struct InputRow {
    const char* caption;
    const char* captionName;
    const char* name;
    Kind kind;
};
constexpr int kInputRows = 5;
constexpr InputRow kInputs[3][kInputRows] = {
    {
        {.caption = "Frequenza di lavoro  MHz",
         .captionName = "operatingFrequencyCaption",
         .name = "operatingFrequency",
         .kind = Kind::Field},
        {.caption = "Banda radioamatoriale", .captionName = "bandCaption", .name = "band", .kind = Kind::PickList},
        {.caption = "ROS massimo in banda", .captionName = "maxSwrCaption", .name = "maxSwr", .kind = Kind::Field},
        {.caption = "Perdita minima a 2 f  dB",
         .captionName = "minLossCaption",
         .name = "minLoss",
         .kind = Kind::Field},
        {.caption = "Potenza del TX  W", .captionName = "powerCaption", .name = "power", .kind = Kind::Field},
    },
    {
        {.caption = "Risposta", .captionName = "responseCaption", .name = "response", .kind = Kind::PickList},
        {.caption = "Numero di elementi", .captionName = "elementsCaption", .name = "elements", .kind = Kind::PickList},
        {.caption = "Serie condensatori", .captionName = "seriesCaption", .name = "series", .kind = Kind::PickList},
        {.caption = "C1 acquistato  pF", .captionName = "capacitorCaption", .name = "capacitor", .kind = Kind::Field},
        {.caption = "C2  pF", .captionName = "capacitor2Caption", .name = "capacitor2", .kind = Kind::Field},
    },
    {
        {.caption = "Induttanze su", .captionName = "coreCaption", .name = "core", .kind = Kind::PickList},
        {.caption = "Diametro bobina  mm", .captionName = "diameterCaption", .name = "diameter", .kind = Kind::Field},
        {.caption = "Lunghezza bobina  mm", .captionName = "lengthCaption", .name = "length", .kind = Kind::Field},
        {.caption = "Q delle bobine", .captionName = "coilQCaption", .name = "coilQ", .kind = Kind::Field},
        {.caption = "ROS del carico", .captionName = "loadSwrCaption", .name = "loadSwr", .kind = Kind::Field},
    },
};

// Where the three columns stand in the frame: each caption, then its field
// wide enough for the longest entry of its list.
struct Column {
    int left;
    int captionWidth;
    int fieldWidth;
};
constexpr Column kColumns[3] = {
    {.left = 90, .captionWidth = 2400, .fieldWidth = 1200},
    {.left = 3900, .captionWidth = 1890, .fieldWidth = 1560},
    {.left = 7560, .captionWidth = 2160, .fieldWidth = 1740},
};
constexpr int kCaptionGap = 60;
constexpr int kRowPitch = 345;

}  // namespace

std::vector<Control> verificationControls(const VerificationVariant& v) {
    // clang-format off
    std::vector<Control> rows{
        {.kind = Kind::Label, .name = "Label1", .at = {120, 15, 11670, 435}, .text = v.heading, .font = kBold18, .fg = kRed, .bg = kTeal, .flags = Centre},
        {.kind = Kind::Label, .name = "notice", .at = {120, 450, 11670, 255}, .text = "Premere CALCOLA nella finestra del filtro: la verifica parte dai valori calcolati", .font = kBold975, .fg = kYellow, .bg = kTeal, .flags = Centre | Hidden},
        {.kind = Kind::Frame, .name = "Frame2", .at = {120, 720, 5700, 2640}, .text = "Cella come costruita", .font = kBold825, .fg = kWhite, .bg = kNavy},
        {.kind = Kind::Label, .name = "builtC1", .in = "Frame2", .at = {120, 2190, 5460, 210}, .font = kBold825, .fg = kWhite, .flags = Transparent},
        {.kind = Kind::Label, .name = "builtL1", .in = "Frame2", .at = {120, 2400, 5460, 210}, .font = kBold825, .fg = kWhite, .flags = Transparent},
        {.kind = Kind::Label, .name = "designedCell", .at = {120, 3390, 11670, 225}, .font = kBold825, .fg = kYellow, .flags = Transparent},
        {.kind = Kind::Frame, .name = "Frame1", .at = {120, 3660, 11670, 1860}, .bg = kLightOrange},
        {.kind = Kind::Button, .name = "propose", .at = {120, 5610, 1290, 345}, .text = "PROPONI", .font = kBold825, .bg = kRed, .tip = "Cerca i filtri con condensatori commerciali che reggono la banda e la perdita chieste"},
        {.kind = Kind::Label, .name = "designsCaption", .at = {1500, 5580, 4320, 420}, .text = "Filtri con condensatori commerciali, il migliore per primo", .font = kBold825, .fg = kWhite, .flags = Transparent | WordWrap},
        {.kind = Kind::List, .name = "designs", .at = {120, 6030, 5700, 1350}, .font = kBold825, .fg = kBlack, .bg = kPaleCyan},
        {.kind = Kind::Label, .name = "advice", .at = {120, 7440, 5700, 1200}, .font = kBold825, .fg = kYellow, .flags = Transparent | WordWrap},
        {.kind = Kind::Label, .name = "designedHead", .at = {8700, 5610, 1200, 240}, .text = "Progetto", .font = kBold825, .fg = kWhite, .flags = Transparent | Centre},
        {.kind = Kind::Label, .name = "builtHead", .at = {9960, 5610, 1200, 240}, .text = "Costruito", .font = kBold825, .fg = kWhite, .flags = Transparent | Centre},
        {.kind = Kind::Label, .name = "parts", .at = {5940, 7395, 4620, 1245}, .font = kBold825, .fg = kWhite, .flags = Transparent | WordWrap},
        {.kind = Kind::Button, .name = "close", .at = {10680, 8265, 1110, 375}, .text = "CHIUDI", .font = kBold825, .bg = kYellow},
    };
    // clang-format on
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i < kInputRows; ++i) {
            const InputRow& in = kInputs[c][i];
            if (!in.name) continue;
            const int top = 90 + i * kRowPitch;
            rows.push_back({.kind = Kind::Label,
                            .name = in.captionName,
                            .in = "Frame1",
                            .at = {kColumns[c].left, top + 30, kColumns[c].captionWidth, 255},
                            .text = in.caption,
                            .font = kBold825,
                            .fg = kDarkBlue,
                            .flags = Transparent});
            rows.push_back(
                {.kind = in.kind,
                 .name = in.name,
                 .in = "Frame1",
                 .at = {kColumns[c].left + kColumns[c].captionWidth + kCaptionGap, top, kColumns[c].fieldWidth, 315},
                 .font = kBold825,
                 .labelledBy = in.captionName});
        }
    // The figures: a caption, then the designed and the built read-out.
    for (int i = 0; i < 5; ++i) {
        const int top = 5865 + i * 300;
        rows.push_back({.kind = Kind::Label,
                        .name = kFigureNames[i][0],
                        .at = {5940, top, 2700, 285},
                        .font = kBold825,
                        .fg = kWhite,
                        .flags = Transparent});
        for (int c = 1; c <= 2; ++c)
            rows.push_back({.kind = Kind::Label,
                            .name = kFigureNames[i][c],
                            .at = {c == 1 ? 8700 : 9960, top, 1200, 285},
                            .font = kBold825,
                            .fg = kBlack,
                            .bg = kWhite,
                            .flags = Border});
    }
    return rows;
}

WindowDesign verificaDesign(const VerificationVariant& v) {
    return {.title = QStringLiteral("Verifica") + blanks(5) + QString::fromUtf8(v.cellName) + blanks(30) +
                     QStringLiteral("by  QUENDAL") + blanks(20) + QStringLiteral("rev  1.02"),
            .widthTwips = 11910,
            .heightTwips = 8700};
}

const VerificationVariant& verificationVariant(TipoCella kind) {
    static const VerificationVariant variants[] = {
        {.windowName = nomi::verificaPassaBassoPiGreco,
         .filterWindow = nomi::passaBassoPiGreco,
         .kind = TipoCella::PassaBassoPiGreco,
         .heading = "VERIFICA  PASSA  BASSO  PI - GRECO",
         .cellName = "Passa Basso  PI - GRECO"},
        {.windowName = nomi::verificaPassaAltoPiGreco,
         .filterWindow = nomi::passaAltoPiGreco,
         .kind = TipoCella::PassaAltoPiGreco,
         .heading = "VERIFICA  PASSA  ALTO  PI - GRECO",
         .cellName = "Passa Alto  PI - GRECO"},
        {.windowName = nomi::verificaPassaBassoT,
         .filterWindow = nomi::passaBassoT,
         .kind = TipoCella::PassaBassoT,
         .heading = "VERIFICA  PASSA  BASSO  a  T",
         .cellName = "Passa Basso a T"},
        {.windowName = nomi::verificaPassaAltoT,
         .filterWindow = nomi::passaAltoT,
         .kind = TipoCella::PassaAltoT,
         .heading = "VERIFICA  PASSA  ALTO  a  T",
         .cellName = "Passa Alto a T"},
    };
    for (const VerificationVariant& v : variants)
        if (v.kind == kind) return v;
    qFatal("verificationVariant: no verification window for cell kind %d", static_cast<int>(kind));
}

}  // namespace ombrana
