// Reproducer for memory that grows with every window of coloured push
// buttons: opens and closes a window of ten buttons, each with its own
// palette, and prints the resident memory's growth per window over the last
// half of the cycles. "--look NAME" picks the style (Fusion by default),
// "--sheet" colours the buttons by a style sheet instead of a palette,
// "--flat" lets each button fill its own face, "--cache KIB" caps Qt's pixmap
// cache, "--cycles N" (2000).
#include "bench/core/ProcStatus.h"

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

#include <cstdio>
#include <memory>

namespace {

// A button that paints its face itself, as the program's buttons do.
class FlatButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().button());
        p.drawText(rect(), Qt::AlignCenter, text());
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const auto option = [&](const QString& name, const QString& fallback) {
        const auto at = args.indexOf(name);
        return at > 0 && at + 1 < args.size() ? args[at + 1] : fallback;
    };
    app.setStyle(QStyleFactory::create(option(QStringLiteral("--look"), QStringLiteral("Fusion"))));
    const bool sheet = args.contains(QStringLiteral("--sheet"));
    const bool flat = args.contains(QStringLiteral("--flat"));
    if (const int cache = option(QStringLiteral("--cache"), QString()).toInt(); cache > 0)
        QPixmapCache::setCacheLimit(cache);
    const int cycles = option(QStringLiteral("--cycles"), QStringLiteral("2000")).toInt();

    const auto rss = [] { return static_cast<double>(ombrana::bench::campoStatusProprioKiB("VmRSS").value_or(0)); };
    double atHalf = 0;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        auto window = std::make_unique<QWidget>();
        window->resize(400, 300);
        for (int i = 0; i < 10; ++i) {
            auto* button = flat ? new FlatButton(QStringLiteral("CALCOLA"), window.get())
                                : new QPushButton(QStringLiteral("CALCOLA"), window.get());
            button->setGeometry(10 + (i % 2) * 150, 10 + (i / 2) * 50, 140, 40);
            const QColor colour = QColor::fromHsv(i * 36, 255, 255);
            if (sheet) {
                button->setStyleSheet(QStringLiteral("background: %1").arg(colour.name()));
            } else {
                QPalette palette = button->palette();
                palette.setColor(QPalette::Button, colour);
                button->setPalette(palette);
            }
        }
        window->show();
        (void)window->grab();
        QApplication::processEvents();
        window.reset();
        QApplication::processEvents();
        if (cycle == cycles / 2) atHalf = rss();
    }
    const double slope = (rss() - atHalf) / (cycles - cycles / 2);
    std::printf("%s%s: %.3f KiB per window over the last %d of %d windows\n", qPrintable(QApplication::style()->name()),
                sheet  ? ", style sheet"
                : flat ? ", flat faces"
                       : "",
                slope, cycles - cycles / 2, cycles);
    return 0;
}
