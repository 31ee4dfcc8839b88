// The bare Qt Widgets program the benchmark compares against: one window
// with one label, shown, and ended as soon as it has been painted.
#include "app/QuietMessages.h"
#include "bench/support/BareWindow.h"
#include "bench/support/FirstPaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ombrana::quietPlatformNotes();
    ombrana::bench::FirstPaint painted(ombrana::bench::kBareName, [] { QCoreApplication::quit(); });
    ombrana::bench::makeBareWindow()->show();
    return app.exec();
}
