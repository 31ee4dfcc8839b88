#include "bench/Measures.h"

#include "app/InputAlert.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "bench/core/ProcStatus.h"
#include "bench/core/Statistics.h"
#include "bench/support/BareWindow.h"
#include "bench/support/FirstPaint.h"
#include "tools/WindowList.h"
#include "tools/WindowShots.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <malloc.h>
#include <map>
#include <sys/resource.h>
#include <vector>

namespace ombrana::bench {
namespace {

constexpr int kPaintTimeoutMs = 10000;

QWidget* openByName(const QString& name) {
    if (name == kBareName) {
        QWidget* w = makeBareWindow();
        w->show();
        return w;
    }
    return finestre().open(name);
}

void closeEverything(QWidget* bare) {
    if (bare) bare->close();
    finestre().closeAll();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Opens the window and returns the milliseconds until its first frame has
// been painted; negative when it did not open or paint.
double openAndPaint(const QString& name, QWidget** opened = nullptr) {
    FirstPaint painted(name, nullptr);
    QElapsedTimer clock;
    clock.start();
    QWidget* w = openByName(name);
    if (opened) *opened = w;
    if (!w || !painted.wait(kPaintTimeoutMs)) return -1;
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

double cpuMsOfProcess() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

QStringList windowsWithBare() {
    return QStringList{kBareName} + tools::registeredWindows();
}

}  // namespace

void measureOpening(int repetitions, const QString& only, QTextStream& out) {
    const QStringList names = only.isEmpty() ? windowsWithBare() : QStringList{only};
    std::map<QString, std::vector<double>> samples;
    for (int i = 0; i < repetitions; ++i) {
        for (const QString& name : names) {
            QWidget* w = nullptr;
            const double ms = openAndPaint(name, &w);
            if (ms >= 0) samples[name].push_back(ms);
            closeEverything(name == kBareName ? w : nullptr);
        }
    }
    for (const QString& name : names) {
        const auto m = mediana(samples[name]);
        out << "open\t" << name << "\t" << (m ? *m : -1.0) << "\n";
    }
}

void openEverything(QTextStream& out) {
    int painted = 0;
    for (const QString& name : tools::registeredWindows())
        if (openAndPaint(name) >= 0) ++painted;
    QApplication::processEvents();
    // Each shown window keeps a full-size image of itself to paint into.
    qint64 surfaces = 0;
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) surfaces += qint64(w->width()) * w->height() * 4;
    out << "windows\t" << painted << "\n";
    out << "surfaces_kib\t" << surfaces / 1024 << "\n";
    out << "rss\t" << campoStatusProprioKiB("VmRSS").value_or(-1) << "\n";
}

void measureCycles(int cycles, bool bare, const QString& only, QTextStream& out) {
    cycles = std::max(cycles, 4);
    const QStringList names = bare             ? QStringList{kBareName}
                              : only.isEmpty() ? tools::registeredWindows()
                                               : QStringList{only};
    const auto cycle = [&] {
        for (const QString& name : names) {
            QWidget* w = nullptr;
            openAndPaint(name, &w);
            closeEverything(name == kBareName ? w : nullptr);
        }
    };
    // The heap's free pages go back to the system before each reading: glibc
    // sometimes keeps a few megabytes of freed blocks mapped, and a cycle
    // count that happened to catch it read as a leak of 2-3 KiB a cycle. A
    // block still in use stays counted.
    const auto rss = [] {
        malloc_trim(0);
        return static_cast<double>(campoStatusProprioKiB("VmRSS").value_or(-1));
    };
    std::vector<double> after;
    after.reserve(static_cast<std::size_t>(cycles));
    for (int i = 0; i < cycles; ++i) {
        cycle();
        after.push_back(rss());
    }
    out << "rss_first\t" << after.front() << "\n";
    out << "rss_last\t" << after.back() << "\n";
    // The growth per cycle once the caches have filled: the slope over the
    // last half reads 0 for a plateau and the leak's rate for a leak.
    const std::vector<double> lastHalf(after.begin() + cycles / 2, after.end());
    out << "slope_kib\t" << *pendenza(lastHalf) << "\n";
    // Widgets and windows still alive after every window was closed: more
    // than none means something outlives its window.
    out << "widgets_left\t" << QApplication::allWidgets().size() << "\n";
    out << "windows_left\t" << QGuiApplication::allWindows().size() << "\n";
}

void measureAlert(int seconds, bool bare, QTextStream& out) {
    const QString name = bare ? kBareName : nomi::passaBassoPiGreco;
    QWidget* w = nullptr;
    if (openAndPaint(name, &w) < 0) {
        out << "error\tnot opened\n";
        return;
    }
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);

    InputAlert* alert = nullptr;
    if (!bare) {
        auto* frequency = w->findChild<QLineEdit*>(QStringLiteral("Text1"));
        auto* impedance = w->findChild<QLineEdit*>(QStringLiteral("Text2"));
        auto* calcola = w->findChild<QPushButton*>(QStringLiteral("Command6"));
        alert = w->findChild<InputAlert*>();
        if (!frequency || !impedance || !calcola || !alert) {
            out << "error\tno alert\n";
            return;
        }
        QObject::connect(alert, &InputAlert::finished, &loop, &QEventLoop::quit);
        frequency->setText(QStringLiteral("301"));
        impedance->setText(QStringLiteral("50"));
    }
    // Let the window settle, so that the figure is the wait alone.
    QApplication::processEvents();

    const double cpuBefore = cpuMsOfProcess();
    QElapsedTimer clock;
    clock.start();
    if (alert) {
        w->findChild<QPushButton*>(QStringLiteral("Command6"))->click();
        if (!alert->isActive()) {
            out << "error\talert not started\n";
            return;
        }
        limit.start(static_cast<int>(InputAlert::secondDuration().count()) * seconds * 3);
    } else {
        limit.start(static_cast<int>(InputAlert::secondDuration().count()) * seconds);
    }
    loop.exec();
    const double wallMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const double cpuMs = cpuMsOfProcess() - cpuBefore;
    if (alert && alert->isActive()) out << "error\talert did not end\n";
    out << "cpu_ms\t" << cpuMs << "\n";
    out << "wall_ms\t" << wallMs << "\n";
}

}  // namespace ombrana::bench
