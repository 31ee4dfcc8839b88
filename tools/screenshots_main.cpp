// Renders every registered window of the program to a PNG file, on the
// offscreen platform and with the program's own fonts.
#include "AllWindows.h"
#include "app/QuietMessages.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "bench/support/FirstPaint.h"
#include "tools/WindowList.h"
#include "tools/WindowShots.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    ombrana::quietPlatformNotes();
    ombrana::prepareApplication(app);

    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QTextStream out(stdout);
    if (!QDir().mkpath(folder)) {
        out << "cannot create " << folder << Qt::endl;
        return 1;
    }
    int failures = 0;
    for (const QString& name : ombrana::tools::registeredWindows()) {
        const QImage image = ombrana::tools::grabWindow(name);
        const QString path = QDir(folder).filePath(ombrana::tools::shotFileName(name));
        if (image.isNull() || !image.save(path)) {
            out << "FAILED " << name << Qt::endl;
            ++failures;
        } else {
            out << path << " " << image.width() << "x" << image.height() << Qt::endl;
        }
        ombrana::finestre().closeAll();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    const QImage seven = ombrana::tools::grabSevenElementDesign();
    const QString sevenPath = QDir(folder).filePath(ombrana::nomi::verificaPassaBassoPiGreco + QStringLiteral("7.png"));
    if (seven.isNull() || !seven.save(sevenPath)) {
        out << "FAILED seven-element design" << Qt::endl;
        ++failures;
    } else {
        out << sevenPath << " " << seven.width() << "x" << seven.height() << Qt::endl;
    }
    ombrana::finestre().closeAll();
    return failures == 0 ? 0 : 1;
}
