#include "filters/FilterVariants.h"

#include "app/WindowNames.h"

namespace ombrana {
namespace {

QString titleOf(std::initializer_list<std::pair<const char*, int>> parts) {
    QString s;
    for (const auto& [text, count] : parts) s += QString::fromUtf8(text) + blanks(count);
    return s;
}

}  // namespace

const FilterVariant& passaBassoPiGrecoVariant() {
    static const FilterVariant v{
        .windowName = nomi::passaBassoPiGreco,
        .kind = TipoCella::PassaBassoPiGreco,
        .title = titleOf({{"Passa Basso", 5}, {"PI - GRECO", 42}, {"by  QUENDAL", 19}, {"rev  1.02", 0}}),
        .heightTwips = 7800,
        .alertName = "errore6",
        .c1Result = "Label7",
        .l1Result = "Label6",
        .c1Caption = "Label4",
        .l1Caption = "Label5",
        .clearButton = "Command2",
        .closeButton = "Command1",
        .heading = "PASSA  BASSO  PI - GRECO",
        .frameCaption = "Cella Passa Basso  Pi - Greco",
        .frequencyCaption = "Input frequenza di taglio  =  MHz",
        .impedanceCaption = "Input impedenza della linea TX  =  Ohm",
        .c1CaptionText = "C1 = pf",
        .impedanceTip = "Digitare l'inpedenza della linea tx",
        .inductanceWindow = nomi::induttanza2,
        .readmeWindow = nomi::leggimiPassaBassoPiGreco,
        .closeBeforeClear = true,
    };
    return v;
}

const FilterVariant& passaAltoPiGrecoVariant() {
    static const FilterVariant v{
        .windowName = nomi::passaAltoPiGreco,
        .kind = TipoCella::PassaAltoPiGreco,
        .title = titleOf({{" Passa Alto", 4}, {"PI - GRECO", 46}, {"by", 3}, {"QUENDAL", 28}, {"rev  1.02", 0}}),
        .heightTwips = 7605,
        .alertName = "ERRORE4",
        .c1Result = "Label10",
        .l1Result = "Label12",
        .c1Caption = "Label9",
        .l1Caption = "Label11",
        .clearButton = "Command1",
        .closeButton = "Command2",
        .heading = "PASSA    ALTO   PI - GRECO",
        .frameCaption = "Cella  Passa Alto   Pi - Greco",
        .frequencyCaption = "Input frequenza di taglio =  MHz",
        .impedanceCaption = "Input impedenza della linea TX = Ohm",
        .c1CaptionText = "C1  = pf",
        .airButton = "Costruzione   induttanza  in aria",
        .toroidTip = "Passa al calcolo di  induttanza su Toroide",
        .inductanceWindow = nomi::induttanza,
        .readmeWindow = nomi::leggimiPassaAltoPiGreco,
        .closesCalculator = true,
    };
    return v;
}

const FilterVariant& passaBassoTVariant() {
    static const FilterVariant v{
        .windowName = nomi::passaBassoT,
        .kind = TipoCella::PassaBassoT,
        .title = titleOf({{"Passa  Basso a T", 55}, {"by", 3}, {"QUENDAL", 30}, {"rev 1.02", 0}}),
        .heightTwips = 8340,
        .alertName = "errore5",
        .c1Result = "Label10",
        .l1Result = "Label12",
        .c1Caption = "Label9",
        .l1Caption = "Label11",
        .clearButton = "Command1",
        .closeButton = "Command2",
        .heading = "PASSA  BASSO  a  T",
        .frameCaption = "Cella Passa Basso a T",
        .frequencyCaption = "Input frequenza di taglio =  MHz",
        .impedanceCaption = "Input impedenza della linea TX = Ohm",
        .c1CaptionText = "C1  = pf",
        .inductanceWindow = nomi::induttanza2,
        .readmeWindow = nomi::leggimiPassaBassoT,
    };
    return v;
}

const FilterVariant& passaAltoTVariant() {
    static const FilterVariant v{
        .windowName = nomi::passaAltoT,
        .kind = TipoCella::PassaAltoT,
        .title = titleOf({{"Passa Alto a T", 64}, {"by", 3}, {"QUENDAL", 19}, {"rev 1.02", 0}}),
        .heightTwips = 8175,
        .alertName = "errore3",
        .c1Result = "Label11",
        .l1Result = "Label12",
        .c1Caption = "Label4",
        .l1Caption = "Label5",
        .clearButton = "Command2",
        .closeButton = "Command1",
        .heading = "PASSA  ALTO  a  T",
        .headingLeft = true,
        .frameCaption = "Cella Passa Alto a T",
        .frequencyCaption = "Input frequenza di taglio =  MHz ",
        .impedanceCaption = "Input impedenza della linea Tx  =  Ohm",
        .c1CaptionText = "C1= pf",
        .toroidTip = "Passa al calcolo di induttanza su toroide",
        .inductanceWindow = nomi::induttanza,
        .readmeWindow = nomi::leggimiPassaAltoT,
    };
    return v;
}

}  // namespace ombrana
