// The program's own start-up, as in its main(), ended as soon as the splash
// has been painted: the benchmark times it from process start to exit.
#include "AllWindows.h"
#include "app/QuietMessages.h"
#include "app/WindowNames.h"
#include "bench/support/FirstPaint.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ombrana::quietPlatformNotes();
    ombrana::bench::FirstPaint painted(ombrana::nomi::splash, [] { QCoreApplication::quit(); });
    ombrana::startProgram(app);
    return app.exec();
}
