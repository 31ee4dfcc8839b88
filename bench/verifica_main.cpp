// The verification window's own figures, in a fresh process: its first
// opening, later openings, one recomputation of every output with both
// curves redrawn, and the proposals of a band over every pair of E24
// capacitors for nine elements. Prints one line per figure with the median.
#include "AllWindows.h"
#include "app/QuietMessages.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "bench/core/Statistics.h"
#include "bench/support/FirstPaint.h"
#include "tools/WindowShots.h"
#include "verifica/ResponsePlot.h"
#include "verifica/VerificationWindow.h"
#include "verifica/core/Proposal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>

#include <iostream>
#include <vector>

namespace {

using namespace ombrana;

constexpr int kPaintTimeoutMs = 10000;

// Milliseconds from the open call to the first painted frame.
double openAndPaint(const QString& name) {
    bench::FirstPaint painted(name, nullptr);
    QElapsedTimer clock;
    clock.start();
    if (!finestre().open(name) || !painted.wait(kPaintTimeoutMs)) return -1;
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

void closeVerifica() {
    finestre().close(nomi::verificaPassaBassoPiGreco);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    quietPlatformNotes();
    prepareApplication(app);

    // The filter window with the sample design, as a builder would have it.
    QWidget* filter = finestre().open(nomi::passaBassoPiGreco);
    if (!filter || !tools::fillSampleDesign(filter)) return 1;
    QApplication::processEvents();

    const double first = openAndPaint(nomi::verificaPassaBassoPiGreco);
    closeVerifica();
    std::vector<double> later;
    for (int i = 0; i < 21; ++i) {
        later.push_back(openAndPaint(nomi::verificaPassaBassoPiGreco));
        closeVerifica();
    }

    // Every output recomputed from a changed capacitor, then the plot
    // repainted at once.
    auto* window = qobject_cast<VerificationWindow*>(finestre().open(nomi::verificaPassaBassoPiGreco));
    QApplication::processEvents();
    auto* capacitor = window->findChild<QLineEdit*>(QStringLiteral("capacitor"));
    auto* plot = window->findChild<ResponsePlot*>(QStringLiteral("responsePlot"));
    std::vector<double> refresh;
    std::size_t points = 0;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer clock;
        clock.start();
        capacitor->setText(i % 2 ? QStringLiteral("430") : QStringLiteral("470"));
        plot->repaint();
        refresh.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        points = plot->data().curves.empty() ? 0 : plot->data().curves.back().points.size();
    }

    // PROPONI for 40 m, nine elements of E24 capacitors: every pair of the
    // series tried, in the core alone and through the window's button.
    const Job job{.kind = TipoCella::PassaBassoPiGreco,
                  .impedanceOhm = 50,
                  .fromMHz = 7.0,
                  .toMHz = 7.2,
                  .series = Series::E24,
                  .elements = 9};
    std::vector<double> proposals;
    std::size_t rows = 0;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer clock;
        clock.start();
        rows = propose(job).designs.size();
        proposals.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    Job any = job;
    any.elements.reset();
    std::vector<double> automatic;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer clock;
        clock.start();
        propose(any);
        automatic.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }

    std::cout << "Verifica, prima apertura fino al primo disegno: " << bench::cifra(first, 2, "ms") << "\n"
              << "Verifica, aperture successive (mediana di 21): " << bench::cifra(bench::mediana(later), 2, "ms")
              << "\n"
              << "Verifica, ricalcolo e ridisegno di due curve da " << points
              << " punti (mediana di 200): " << bench::cifra(bench::mediana(refresh), 2, "ms") << "\n"
              << "PROPONI, 40 m, 9 elementi E24, " << rows
              << " filtri (mediana di 21): " << bench::cifra(bench::mediana(proposals), 2, "ms") << "\n"
              << "PROPONI, 40 m, E24, elementi automatici (mediana di 21): "
              << bench::cifra(bench::mediana(automatic), 2, "ms") << "\n";
    finestre().closeAll();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
