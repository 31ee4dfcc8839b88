// The benchmark driver: times the program's start-up against the bare Qt
// program, and runs itself as a child for each in-process measure, then
// prints one table. "--quick" makes a short run that checks the machinery;
// "--startup" measures the start-up alone, "--runs N" over N alternated runs
// of each program instead of 21.
#include "AllWindows.h"
#include "app/InputAlert.h"
#include "app/QuietMessages.h"
#include "bench/ChildProcess.h"
#include "bench/Measures.h"
#include "bench/core/ReportTable.h"
#include "bench/core/Statistics.h"
#include "bench/support/FirstPaint.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace ombrana::bench;

struct Settings {
    int startRuns = 21;
    int openRuns = 21;
    int peakRuns = 5;
    int cycles = 1000;
    int windowCycles = 2000;
    int secondMs = 1000;
    bool startUpOnly = false;
};

using Values = std::vector<std::pair<std::string, std::string>>;

// "key<TAB>value" lines of a child's output, in their order; "open" lines
// carry a window name too and are kept under "open:<name>".
Values parseLines(const std::string& text) {
    Values values;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos) continue;
        std::string key = line.substr(0, tab);
        std::string value = line.substr(tab + 1);
        if (key == "open") {
            const auto second = value.find('\t');
            if (second == std::string::npos) continue;
            key.append(1, ':').append(value, 0, second);
            value = value.substr(second + 1);
        }
        values.emplace_back(key, value);
    }
    return values;
}

// A figure of a child; a negative one means "none" unless it may be
// negative, as a slope may.
std::optional<double> number(const Values& values, const std::string& key, bool maySign = false) {
    const auto it = std::find_if(values.begin(), values.end(), [&](const auto& kv) { return kv.first == key; });
    if (it == values.end()) return std::nullopt;
    try {
        const double v = std::stod(it->second);
        return v >= 0 || maySign ? std::optional<double>(v) : std::nullopt;
    } catch (...) {
        return std::nullopt;
    }
}

std::string mib(std::optional<double> kib) {
    return cifra(kib ? std::optional(*kib / 1024.0) : std::nullopt, 1, "MiB");
}

int runDriver(const std::string& self, const std::string& folder, const Settings& s) {
    const std::string bare = folder + "/ombrana_bench_bare";
    const std::string start = folder + "/ombrana_bench_startup";
    const std::string secondArg = std::to_string(s.secondMs);
    std::vector<Riga> rows;
    std::vector<std::string> notes;
    const auto child = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"--second-ms", secondArg});
        const ChildRun run = runChild(self, args);
        if (!run.ok) notes.push_back("a child run failed: " + args[2]);
        const auto values = parseLines(run.output);
        for (const auto& [key, value] : values)
            if (key == "error") notes.push_back(args[2] + ": " + value);
        return values;
    };

    // Start-up: one warm-up each, then the two programs in turn so that
    // both see the same load.
    std::cerr << "start-up..." << std::endl;
    runChild(bare, {});
    runChild(start, {});
    std::vector<double> bareMs, startMs, bareRss, startRss;
    int failed = 0;
    for (int i = 0; i < s.startRuns; ++i) {
        const ChildRun b = runChild(bare, {});
        const ChildRun o = runChild(start, {});
        if (b.ok) bareMs.push_back(b.wallMs), bareRss.push_back(static_cast<double>(b.peakRssKiB));
        if (o.ok) startMs.push_back(o.wallMs), startRss.push_back(static_cast<double>(o.peakRssKiB));
        failed += !b.ok + !o.ok;
    }
    if (failed) notes.push_back(std::to_string(failed) + " start-up runs failed");
    const auto startUp = mediana(startMs), bareStartUp = mediana(bareMs);
    const auto startRatio = rapporto(startUp, bareStartUp);
    rows.push_back({"Avvio: splash dipinto e uscita (mediana di " + std::to_string(s.startRuns) + ")",
                    cifra(startUp, 1, "ms"), cifra(bareStartUp, 1, "ms"), cifraRapporto(startRatio), "<= 1.15x",
                    esito(startRatio, 1.15)});
    if (s.startUpOnly) {
        std::cout << impagina(rows);
        for (const std::string& note : notes) std::cout << "Nota: " << note << "\n";
        return notes.empty() ? 0 : 1;
    }

    std::cerr << "opening each window..." << std::endl;
    const auto open = child({"--open", std::to_string(s.openRuns)});
    const auto bareOpen = number(open, "open:bare");
    for (const auto& [key, value] : open) {
        if (key.rfind("open:", 0) != 0 || key == "open:bare") continue;
        const auto ms = number(open, key);
        rows.push_back({"Apertura di " + key.substr(5) + " (mediana di " + std::to_string(s.openRuns) + ")",
                        cifra(ms, 2, "ms"), cifra(bareOpen, 2, "ms"), cifraRapporto(rapporto(ms, bareOpen)), "< 10 ms",
                        esito(ms, 10.0)});
    }

    std::cerr << "every window open at once..." << std::endl;
    std::vector<double> peaks;
    int windows = 0;
    std::optional<double> surfaces;
    for (int i = 0; i < s.peakRuns; ++i) {
        const ChildRun run = runChild(self, {"--second-ms", secondArg, "--all-open"});
        if (run.ok) peaks.push_back(static_cast<double>(run.peakRssKiB));
        const auto values = parseLines(run.output);
        windows = static_cast<int>(number(values, "windows").value_or(0));
        surfaces = number(values, "surfaces_kib");
    }
    const auto peak = mediana(peaks), barePeak = mediana(bareRss);
    const auto startPeak = mediana(startRss);
    rows.push_back({"Memoria residente di picco all'avvio (solo lo splash)", mib(startPeak), mib(barePeak),
                    cifraRapporto(rapporto(startPeak, barePeak)), "-", "-"});
    const auto peakRatio = rapporto(peak, barePeak);
    rows.push_back({"Memoria residente di picco, " + std::to_string(windows) + " finestre aperte insieme", mib(peak),
                    mib(barePeak), cifraRapporto(peakRatio), "<= 1.5x", esito(peakRatio, 1.5)});

    std::cerr << "CPU during an alert..." << std::endl;
    const auto alert = child({"--alert"});
    const auto idle = child({"--bare-idle"});
    const auto percent = [](const auto& values) -> std::optional<double> {
        const auto cpu = number(values, "cpu_ms"), wall = number(values, "wall_ms");
        if (!cpu || !wall || *wall <= 0) return std::nullopt;
        return 100.0 * *cpu / *wall;
    };
    const auto alertCpu = percent(alert), idleCpu = percent(idle);
    const std::string alertLength = cifra(5.0 * s.secondMs / 1000.0, s.secondMs < 1000 ? 2 : 0, "s");
    rows.push_back({"CPU durante un avviso di " + alertLength + " (PassaBpig, F = 301)", cifra(alertCpu, 2, "%"),
                    cifra(idleCpu, 2, "%"), cifraRapporto(rapporto(alertCpu, idleCpu)), "< 2 %", esito(alertCpu, 2.0)});

    std::cerr << "open-and-close cycles..." << std::endl;
    const auto cycles = child({"--cycles", std::to_string(s.cycles)});
    const auto bareCycles = child({"--bare-cycles", std::to_string(s.cycles)});
    const auto growth = [](const auto& values) -> std::optional<double> {
        const auto first = number(values, "rss_first"), last = number(values, "rss_last");
        if (!first || !last) return std::nullopt;
        return *last - *first;
    };
    const auto slope = [](const auto& values) { return number(values, "slope_kib", true); };
    const auto leftOver = [&](const Values& values, const std::string& who) {
        for (const char* key : {"widgets_left", "windows_left"})
            if (number(values, key).value_or(0) > 0)
                notes.push_back(std::string(key) + " after the cycles of " + who + ": " +
                                std::to_string(int(*number(values, key))));
    };
    const auto lastHalf = [](int n) {
        n = std::max(n, 4);
        return "ultimi " + std::to_string(n - n / 2) + " di " + std::to_string(n);
    };
    leftOver(cycles, "every window");
    rows.push_back({"Crescita della memoria residente, " + std::to_string(s.cycles) + " cicli contro il primo",
                    cifra(growth(cycles), 0, "KiB"), cifra(growth(bareCycles), 0, "KiB"), "-", "<= 1024 KiB",
                    esito(growth(cycles), 1024.0)});
    rows.push_back({"Crescita per ciclo di tutte le finestre (" + lastHalf(s.cycles) + " cicli)",
                    cifra(slope(cycles), 2, "KiB"), cifra(slope(bareCycles), 2, "KiB"), "-", "<= 1 KiB",
                    esito(slope(cycles), 1.0)});

    // Each window alone, over more cycles, so that a small rate shows.
    std::cerr << "open-and-close cycles of each window..." << std::endl;
    const auto bareAlone = slope(child({"--bare-cycles", std::to_string(s.windowCycles)}));
    for (const auto& [key, value] : open) {
        if (key.rfind("open:", 0) != 0 || key == "open:bare") continue;
        const std::string name = key.substr(5);
        const auto alone = child({"--cycles", std::to_string(s.windowCycles), "--only", name});
        leftOver(alone, name);
        rows.push_back({"Crescita per ciclo di " + name + " (" + lastHalf(s.windowCycles) + ")",
                        cifra(slope(alone), 2, "KiB"), cifra(bareAlone, 2, "KiB"), "-", "<= 0.1 KiB",
                        esito(slope(alone), 0.1)});
    }

    std::cout << impagina(rows);
    if (surfaces)
        std::cout << "Con " << windows
                  << " finestre aperte, le loro superfici di disegno (larghezza x altezza x 4 byte) "
                  << "occupano " << mib(surfaces) << ".\n";
    for (const std::string& note : notes) std::cout << "Nota: " << note << "\n";
    return notes.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i) list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    const auto valueAfter = [&](const QString& option, int fallback) {
        const int at = static_cast<int>(args.indexOf(option));
        return at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : fallback;
    };
    const int secondMs = valueAfter(QStringLiteral("--second-ms"), 1000);
    const bool childMode = args.contains(QStringLiteral("--open")) || args.contains(QStringLiteral("--all-open")) ||
                           args.contains(QStringLiteral("--cycles")) ||
                           args.contains(QStringLiteral("--bare-cycles")) || args.contains(QStringLiteral("--alert")) ||
                           args.contains(QStringLiteral("--bare-idle"));

    if (!childMode) {
        // Every child inherits these: no screen, and a private runtime
        // folder so that Qt has nothing to warn about.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            const QString runtime = QDir::temp().filePath(QStringLiteral("ombrana-bench-runtime"));
            QDir().mkpath(runtime);
            QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
        }
        Settings s;
        if (args.contains(QStringLiteral("--quick"))) s = {3, 3, 1, 4, 4, 20};
        s.startUpOnly = args.contains(QStringLiteral("--startup"));
        s.startRuns = std::max(1, valueAfter(QStringLiteral("--runs"), s.startRuns));
        const std::string self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath().toStdString();
        const std::string folder = QFileInfo(QString::fromStdString(self)).absolutePath().toStdString();
        return runDriver(self, folder, s);
    }

    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    ombrana::quietPlatformNotes();
    ombrana::prepareApplication(app);
    ombrana::InputAlert::setSecondDuration(std::chrono::milliseconds(secondMs));
    QTextStream out(stdout);
    // "--only NAME" narrows the opening and cycle measures to one window, to
    // find which one costs.
    const int onlyAt = static_cast<int>(args.indexOf(QStringLiteral("--only")));
    const QString only = onlyAt >= 0 && onlyAt + 1 < args.size() ? args[onlyAt + 1] : QString();
    if (args.contains(QStringLiteral("--open"))) {
        measureOpening(valueAfter(QStringLiteral("--open"), 21), only, out);
    }
    if (args.contains(QStringLiteral("--all-open"))) openEverything(out);
    if (args.contains(QStringLiteral("--cycles")))
        measureCycles(valueAfter(QStringLiteral("--cycles"), 500), false, only, out);
    if (args.contains(QStringLiteral("--bare-cycles")))
        measureCycles(valueAfter(QStringLiteral("--bare-cycles"), 500), true, QString(), out);
    if (args.contains(QStringLiteral("--alert"))) measureAlert(5, false, out);
    if (args.contains(QStringLiteral("--bare-idle"))) measureAlert(5, true, out);
    out.flush();
    // Nothing is left open on the way out, so that a leak checker sees only
    // what the program itself would leave behind.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->parentWidget()) continue;
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->close();
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
