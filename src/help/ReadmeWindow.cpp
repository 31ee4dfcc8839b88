#include "help/ReadmeWindow.h"

#include "app/DesignLook.h"
#include "app/WindowNames.h"

#include <QFile>
#include <QPlainTextEdit>

#include <array>

namespace ombrana {
namespace {

using namespace design;

constexpr int kAreaWidth = 11910;
constexpr int kAreaHeight = 8625;

constexpr std::array kVarianti{
    ReadmeVariant{.windowName = &nomi::leggimiMenu,
                  .titleTopic = "",
                  .titleBlanks = 36,
                  .textFile = ":/texts/leggimi_menu.txt",
                  .box = {120, 120, 11775, 8535},
                  .points = 12,
                  .scrollBar = true},
    ReadmeVariant{.windowName = &nomi::leggimiPassaBassoPiGreco,
                  .titleTopic = "PASSA  BASSO  a  PI - GRECO",
                  .titleBlanks = 57,
                  .textFile = ":/texts/leggimi_passa_basso_pigreco.txt",
                  .box = {1800, 840, 8175, 6135}},
    ReadmeVariant{.windowName = &nomi::leggimiPassaBassoT,
                  .titleTopic = "PASSA  BASSO   a  T",
                  .titleBlanks = 64,
                  .textFile = ":/texts/leggimi_passa_basso_t.txt",
                  .box = {2040, 840, 7935, 6255}},
    ReadmeVariant{.windowName = &nomi::leggimiPassaAltoPiGreco,
                  .titleTopic = "PASSA  ALTO  PI - GRECO",
                  .titleBlanks = 56,
                  .textFile = ":/texts/leggimi_passa_alto_pigreco.txt",
                  .box = {1560, 840, 8655, 5895}},
    ReadmeVariant{.windowName = &nomi::leggimiPassaAltoT,
                  .titleTopic = "PASSA  ALTO  a  T",
                  .titleBlanks = 55,
                  .textFile = ":/texts/leggimi_passa_alto_t.txt",
                  .box = {1680, 1080, 8535, 6615}},
    ReadmeVariant{.windowName = &nomi::leggimiToroidi,
                  .titleTopic = "TOROIDI",
                  .titleBlanks = 63,
                  .titleTrailingBlanks = 23,
                  .textFile = ":/texts/leggimi_toroidi.txt",
                  .box = {240, 120, 11415, 8535},
                  .scrollBar = true},
};

QString titleOf(const ReadmeVariant& v) {
    return QStringLiteral("LEGGIMI") + blanks(v.titleBlanks) + QString::fromUtf8(v.titleTopic) +
           blanks(v.titleTrailingBlanks);
}

}  // namespace

std::span<const ReadmeVariant> readmeVariants() {
    return kVarianti;
}

QString readmeText(const char* textFile) {
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
    : DesignedWindow({.title = titleOf(v), .widthTwips = kAreaWidth, .heightTwips = kAreaHeight}, parent) {
    const Control row{.kind = Kind::TextBox,
                      .name = "Text1",
                      .at = v.box,
                      .font = bold(v.points),
                      .bg = kPaleCyan,
                      .flags = v.scrollBar ? ScrollBar : NoFlags};
    build(std::span(&row, 1));
    control<QPlainTextEdit>("Text1")->setPlainText(readmeText(v.textFile));
}

}  // namespace ombrana
