#include "verifica/VerificaDesign.h"

#include "app/DesignLook.h"
#include "app/WindowNames.h"

namespace ombrana {
namespace {

using namespace design;

constexpr Font kHeading{"MS Sans Serif", 18, true};

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
    std::vector<Control> rows{
        {Kind::Label, "Label1", nullptr, 120, 60, 11670, 435, v.heading, kHeading, kRosso, kTeal, Centre},
        {Kind::Label, "notice", nullptr, 120, 480, 11670, 285,
         "Premere CALCOLA nella finestra del filtro: la verifica parte dai valori calcolati", kGrassetto975, kGiallo,
         kTeal, Centre | Hidden},
        {Kind::Frame, "Frame2", nullptr, 120, 780, 4215, 3135, "Cella come costruita", kGrassetto825, kBianco,
         kBluNotte},
        {Kind::Label, "builtC1", "Frame2", 120, 2560, 1950, 255, "", kGrassetto825, kBianco, kDefault, Transparent},
        {Kind::Label, "builtL1", "Frame2", 2100, 2560, 2040, 255, "", kGrassetto825, kBianco, kDefault, Transparent},
        {Kind::Label, "designedCell", "Frame2", 120, 2820, 3975, 255, "", kGrassetto825, kGiallo, kDefault,
         Transparent},
        {Kind::Frame, "Frame1", nullptr, 120, 4020, 4215, 3360, "", {}, kDefault, kArancioChiaro},
        {Kind::Label, "designedHead", nullptr, 7080, 4500, 1200, 255, "Progetto", kGrassetto825, kBianco, kDefault,
         Transparent | Centre},
        {Kind::Label, "builtHead", nullptr, 8400, 4500, 1200, 255, "Costruito", kGrassetto825, kBianco, kDefault,
         Transparent | Centre},
        {Kind::Label, "parts", nullptr, 4440, 6540, 5940, 2040, "", kGrassetto825, kBianco, kDefault,
         Transparent | WordWrap},
        {Kind::Button, "close", nullptr, 10560, 4800, 1095, 375, "CHIUDI", kGrassetto825, kDefault, kGiallo},
    };
    for (int i = 0; i < 7; ++i) {
        const int top = 180 + i * 450;
        rows.push_back({Kind::Label, kInputCaptions[i], "Frame1", 120, top + 45, 2580, 255, kInputs[i].caption,
                        kGrassetto825, kBluScuro, kDefault, Transparent});
        rows.push_back({kInputs[i].kind, kInputs[i].name, "Frame1", 2760, top, 1335, 330, "", kGrassetto825});
    }
    for (int i = 0; i < 5; ++i) {
        const int top = 4800 + i * 330;
        rows.push_back({Kind::Label, kFigureNames[i][0], nullptr, 4440, top, 2580, 285, "", kGrassetto825, kBianco,
                        kDefault, Transparent});
        for (int c = 1; c <= 2; ++c)
            rows.push_back({Kind::Label, kFigureNames[i][c], nullptr, c == 1 ? 7080 : 8400, top, 1200, 285, "",
                            kGrassetto825, kNero, kBianco, Border});
    }
    return rows;
}

WindowDesign verificaDesign(const VerificaVariant& v) {
    return {QStringLiteral("Verifica") + spazi(5) + QString::fromUtf8(v.cellName) + spazi(30) +
                QStringLiteral("by  QUENDAL") + spazi(20) + QStringLiteral("rev  1.02"),
            11910, 8700, kTeal, WindowDesign::Placement::Maximised};
}

const VerificaVariant& verificaVariant(TipoCella tipo) {
    static const VerificaVariant variants[] = {
        {nomi::verificaPassaBassoPiGreco, nomi::passaBassoPiGreco, TipoCella::PassaBassoPiGreco, CellLayout::LowPassPi,
         "VERIFICA  PASSA  BASSO  PI - GRECO", "Passa Basso  PI - GRECO"},
        {nomi::verificaPassaAltoPiGreco, nomi::passaAltoPiGreco, TipoCella::PassaAltoPiGreco, CellLayout::HighPassPi,
         "VERIFICA  PASSA  ALTO  PI - GRECO", "Passa Alto  PI - GRECO"},
        {nomi::verificaPassaBassoT, nomi::passaBassoT, TipoCella::PassaBassoT, CellLayout::LowPassT,
         "VERIFICA  PASSA  BASSO  a  T", "Passa Basso a T"},
        {nomi::verificaPassaAltoT, nomi::passaAltoT, TipoCella::PassaAltoT, CellLayout::HighPassT,
         "VERIFICA  PASSA  ALTO  a  T", "Passa Alto a T"},
    };
    for (const VerificaVariant& v : variants)
        if (v.tipo == tipo) return v;
    return variants[0];
}

}  // namespace ombrana
