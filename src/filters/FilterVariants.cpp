#include "filters/FilterVariants.h"

#include "app/WindowNames.h"

namespace ombrana {
namespace {

using Border = WindowDesign::Border;

QString titolo(std::initializer_list<std::pair<const char*, int>> parts) {
    QString s;
    for (const auto& [text, blanks] : parts) s += QString::fromUtf8(text) + spazi(blanks);
    return s;
}

constexpr const char* kToroidTip = "Passa al calcolo di induttanza su Toroide";
constexpr const char* kImpedanceTip = "Digitare l'impedenza della linea tx";

}  // namespace

const FilterVariant& variantePassaBassoPiGreco() {
    static const FilterVariant v{
        nomi::passaBassoPiGreco, TipoCella::PassaBassoPiGreco, CellLayout::LowPassPi, true,
        titolo({{"Passa Basso", 5}, {"PI - GRECO", 42}, {"by  QUENDAL", 19}, {"rev  1.02", 0}}), 7800, Border::Fixed,
        "errore6", "Label7", "Label6", "Label4", "Label5", "Command2", "Command1",
        "PASSA  BASSO  PI - GRECO", false, "Cella Passa Basso  Pi - Greco", "Input frequenza di taglio  =  MHz",
        "Input impedenza della linea TX  =  Ohm", "C1 = pf", "Costruzione   induttanza in aria",
        "Digitare l'inpedenza della linea tx", kToroidTip,
        nomi::induttanza2, nomi::leggimiPassaBassoPiGreco, false, true};
    return v;
}

const FilterVariant& variantePassaAltoPiGreco() {
    static const FilterVariant v{
        nomi::passaAltoPiGreco, TipoCella::PassaAltoPiGreco, CellLayout::HighPassPi, false,
        titolo({{" Passa Alto", 4}, {"PI - GRECO", 46}, {"by", 3}, {"QUENDAL", 28}, {"rev  1.02", 0}}), 7605, Border::Fixed,
        "ERRORE4", "Label10", "Label12", "Label9", "Label11", "Command1", "Command2",
        "PASSA    ALTO   PI - GRECO", false, "Cella  Passa Alto   Pi - Greco", "Input frequenza di taglio =  MHz",
        "Input impedenza della linea TX = Ohm", "C1  = pf", "Costruzione   induttanza  in aria", kImpedanceTip,
        "Passa al calcolo di  induttanza su Toroide",
        nomi::induttanza, nomi::leggimiPassaAltoPiGreco, true, false};
    return v;
}

const FilterVariant& variantePassaBassoT() {
    static const FilterVariant v{
        nomi::passaBassoT, TipoCella::PassaBassoT, CellLayout::LowPassT, true,
        titolo({{"Passa  Basso a T", 55}, {"by", 3}, {"QUENDAL", 30}, {"rev 1.02", 0}}), 8340, Border::Fixed,
        "errore5", "Label10", "Label12", "Label9", "Label11", "Command1", "Command2",
        "PASSA  BASSO  a  T", false, "Cella Passa Basso a T", "Input frequenza di taglio =  MHz",
        "Input impedenza della linea TX = Ohm", "C1  = pf", "Costruzione   induttanza in aria", kImpedanceTip, kToroidTip,
        nomi::induttanza2, nomi::leggimiPassaBassoT, false, false};
    return v;
}

const FilterVariant& variantePassaAltoT() {
    static const FilterVariant v{
        nomi::passaAltoT, TipoCella::PassaAltoT, CellLayout::HighPassT, false,
        titolo({{"Passa Alto a T", 64}, {"by", 3}, {"QUENDAL", 19}, {"rev 1.02", 0}}), 8175, Border::Fixed,
        "errore3", "Label11", "Label12", "Label4", "Label5", "Command2", "Command1",
        "PASSA  ALTO  a  T", true, "Cella Passa Alto a T", "Input frequenza di taglio =  MHz ",
        "Input impedenza della linea Tx  =  Ohm", "C1= pf", "Costruzione   induttanza in aria", kImpedanceTip,
        "Passa al calcolo di induttanza su toroide",
        nomi::induttanza, nomi::leggimiPassaAltoT, false, false};
    return v;
}

}  // namespace ombrana
