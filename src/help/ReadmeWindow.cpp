#include "help/ReadmeWindow.h"

#include <QFile>
#include <QPlainTextEdit>
#include <array>

#include "app/DesignLook.h"
#include "app/WindowNames.h"

namespace ombrana {
namespace {

using namespace design;

constexpr int kAreaWidth = 11910;
constexpr int kAreaHeight = 8625;

constexpr std::array kVarianti{
    ReadmeVariant{&nomi::leggimiMenu, "", 36, 0, ":/texts/leggimi_menu.txt", 120, 120, 11775, 8535, 12, true},
    ReadmeVariant{&nomi::leggimiPassaBassoPiGreco, "PASSA  BASSO  a  PI - GRECO", 57, 0,
                  ":/texts/leggimi_passa_basso_pigreco.txt", 1800, 840, 8175, 6135, 13.5, false},
    ReadmeVariant{&nomi::leggimiPassaBassoT, "PASSA  BASSO   a  T", 64, 0, ":/texts/leggimi_passa_basso_t.txt", 2040,
                  840, 7935, 6255, 13.5, false},
    ReadmeVariant{&nomi::leggimiPassaAltoPiGreco, "PASSA  ALTO  PI - GRECO", 56, 0,
                  ":/texts/leggimi_passa_alto_pigreco.txt", 1560, 840, 8655, 5895, 13.5, false},
    ReadmeVariant{&nomi::leggimiPassaAltoT, "PASSA  ALTO  a  T", 55, 0, ":/texts/leggimi_passa_alto_t.txt", 1680, 1080,
                  8535, 6615, 13.5, false},
    ReadmeVariant{&nomi::leggimiToroidi, "TOROIDI", 63, 23, ":/texts/leggimi_toroidi.txt", 240, 120, 11415, 8535, 13.5,
                  true},
};

QString titleOf(const ReadmeVariant& v) {
    return QStringLiteral("LEGGIMI") + spazi(v.titleBlanks) + QString::fromUtf8(v.titleTopic) +
           spazi(v.titleTrailingBlanks);
}

}  // namespace

std::span<const ReadmeVariant> variantiLeggimi() {
    return kVarianti;
}

QString testoLeggimi(const char* textFile) {
    QFile file(QString::fromUtf8(textFile));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString text = QString::fromUtf8(file.readAll());
    // A checkout may have turned the line ends into CR LF; the box wants one
    // break per line. The newline that ends the file is not part of the text.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text;
}

ReadmeWindow::ReadmeWindow(const ReadmeVariant& v, QWidget* parent)
    : DesignedWindow({titleOf(v), kAreaWidth, kAreaHeight, kTeal, WindowDesign::Placement::Maximised}, parent) {
    const Control row{Kind::TextBox, "Text1",   nullptr,
                      v.left,        v.top,     v.width,
                      v.height,      "",        {"MS Sans Serif", v.points, true},
                      kDefault,      kCianoPallido, v.scrollBar ? ScrollBar : NoFlags};
    build(std::span(&row, 1));
    control<QPlainTextEdit>("Text1")->setPlainText(testoLeggimi(v.textFile));
}

}  // namespace ombrana
