#include "verifica/VerificaDesign.h"

#include "app/DesignLook.h"
#include "app/WindowNames.h"

namespace ombrana {
namespace {

using namespace design;

// The inputs in the orange frame: caption, field, kind.
struct InputRow {
    const char* caption;
    const char* name;
    Kind kind;
};
constexpr InputRow kInputs[] = {
    {.caption = "Frequenza di lavoro  MHz", .name = "operatingFrequency", .kind = Kind::Field},
    {.caption = "Banda radioamatoriale", .name = "band", .kind = Kind::Combo},
    {.caption = "Condensatore acquistato  pF", .name = "capacitor", .kind = Kind::Field},
    {.caption = "Induttanza avvolta su", .name = "core", .kind = Kind::Combo},
    {.caption = "Diametro bobina in aria  mm", .name = "diameter", .kind = Kind::Field},
    {.caption = "Lunghezza bobina in aria  mm", .name = "length", .kind = Kind::Field},
    {.caption = "Q bobina (vuoto: ideale)", .name = "coilQ", .kind = Kind::Field},
};
constexpr const char* kInputCaptions[] = {
    "operatingFrequencyCaption", "bandCaption",   "capacitorCaption", "coreCaption",
    "diameterCaption",           "lengthCaption", "coilQCaption"};

}  // namespace

std::vector<Control> verificaControls(const VerificaVariant& v) {
    // clang-format off
    std::vector<Control> rows{
        {.kind = Kind::Label, .name = "Label1", .at = {120, 60, 11670, 435}, .text = v.heading, .font = kBold18, .fg = kRed, .bg = kTeal, .flags = Centre},
        {.kind = Kind::Label, .name = "notice", .at = {120, 480, 11670, 285}, .text = "Premere CALCOLA nella finestra del filtro: la verifica parte dai valori calcolati", .font = kBold975, .fg = kYellow, .bg = kTeal, .flags = Centre | Hidden},
        {.kind = Kind::Frame, .name = "Frame2", .at = {120, 780, 4215, 3135}, .text = "Cella come costruita", .font = kBold825, .fg = kWhite, .bg = kNavy},
        {.kind = Kind::Label, .name = "builtC1", .in = "Frame2", .at = {120, 2560, 1950, 255}, .font = kBold825, .fg = kWhite, .flags = Transparent},
        {.kind = Kind::Label, .name = "builtL1", .in = "Frame2", .at = {2100, 2560, 2040, 255}, .font = kBold825, .fg = kWhite, .flags = Transparent},
        {.kind = Kind::Label, .name = "designedCell", .in = "Frame2", .at = {120, 2820, 3975, 255}, .font = kBold825, .fg = kYellow, .flags = Transparent},
        {.kind = Kind::Frame, .name = "Frame1", .at = {120, 4020, 4215, 3360}, .bg = kLightOrange},
        {.kind = Kind::Label, .name = "designedHead", .at = {7080, 4500, 1200, 255}, .text = "Progetto", .font = kBold825, .fg = kWhite, .flags = Transparent | Centre},
        {.kind = Kind::Label, .name = "builtHead", .at = {8400, 4500, 1200, 255}, .text = "Costruito", .font = kBold825, .fg = kWhite, .flags = Transparent | Centre},
        {.kind = Kind::Label, .name = "parts", .at = {4440, 6540, 5940, 2040}, .font = kBold825, .fg = kWhite, .flags = Transparent | WordWrap},
        {.kind = Kind::Button, .name = "close", .at = {10560, 4800, 1095, 375}, .text = "CHIUDI", .font = kBold825, .bg = kYellow},
    };
    // clang-format on
    // The inputs down the orange frame, each under its caption's line.
    for (int i = 0; i < 7; ++i) {
        const int top = 180 + i * 450;
        rows.push_back({.kind = Kind::Label,
                        .name = kInputCaptions[i],
                        .in = "Frame1",
                        .at = {120, top + 45, 2580, 255},
                        .text = kInputs[i].caption,
                        .font = kBold825,
                        .fg = kDarkBlue,
                        .flags = Transparent});
        rows.push_back({.kind = kInputs[i].kind,
                        .name = kInputs[i].name,
                        .in = "Frame1",
                        .at = {2760, top, 1335, 330},
                        .font = kBold825,
                        .labelledBy = kInputCaptions[i]});
    }
    // The figures: a caption, then the designed and the built read-out.
    for (int i = 0; i < 5; ++i) {
        const int top = 4800 + i * 330;
        rows.push_back({.kind = Kind::Label,
                        .name = kFigureNames[i][0],
                        .at = {4440, top, 2580, 285},
                        .font = kBold825,
                        .fg = kWhite,
                        .flags = Transparent});
        for (int c = 1; c <= 2; ++c)
            rows.push_back({.kind = Kind::Label,
                            .name = kFigureNames[i][c],
                            .at = {c == 1 ? 7080 : 8400, top, 1200, 285},
                            .font = kBold825,
                            .fg = kBlack,
                            .bg = kWhite,
                            .flags = Border});
    }
    return rows;
}

WindowDesign verificaDesign(const VerificaVariant& v) {
    return {.title = QStringLiteral("Verifica") + spazi(5) + QString::fromUtf8(v.cellName) + spazi(30) +
                     QStringLiteral("by  QUENDAL") + spazi(20) + QStringLiteral("rev  1.02"),
            .widthTwips = 11910,
            .heightTwips = 8700};
}

const VerificaVariant& verificaVariant(TipoCella tipo) {
    static const VerificaVariant variants[] = {
        {.windowName = nomi::verificaPassaBassoPiGreco,
         .filterWindow = nomi::passaBassoPiGreco,
         .tipo = TipoCella::PassaBassoPiGreco,
         .heading = "VERIFICA  PASSA  BASSO  PI - GRECO",
         .cellName = "Passa Basso  PI - GRECO"},
        {.windowName = nomi::verificaPassaAltoPiGreco,
         .filterWindow = nomi::passaAltoPiGreco,
         .tipo = TipoCella::PassaAltoPiGreco,
         .heading = "VERIFICA  PASSA  ALTO  PI - GRECO",
         .cellName = "Passa Alto  PI - GRECO"},
        {.windowName = nomi::verificaPassaBassoT,
         .filterWindow = nomi::passaBassoT,
         .tipo = TipoCella::PassaBassoT,
         .heading = "VERIFICA  PASSA  BASSO  a  T",
         .cellName = "Passa Basso a T"},
        {.windowName = nomi::verificaPassaAltoT,
         .filterWindow = nomi::passaAltoT,
         .tipo = TipoCella::PassaAltoT,
         .heading = "VERIFICA  PASSA  ALTO  a  T",
         .cellName = "Passa Alto a T"},
    };
    for (const VerificaVariant& v : variants)
        if (v.tipo == tipo) return v;
    return variants[0];
}

}  // namespace ombrana
