// Run as "tst_startup --loaded-module" it loads the printing module and
// prints the path it was loaded from: the module test runs a copy of it so,
// laid out as an installation.
#include "AllWindows.h"
#include "app/DesignLook.h"
#include "app/DesignedWindow.h"
#include "app/PrintJob.h"
#include "app/WindowNames.h"
#include "tests/support/WindowTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <memory>

#if __has_include(<link.h>)
#include <link.h>
#define OMBRANA_LISTS_LIBRARIES 1
#endif

using namespace ombrana;

namespace {

// Whether the toolkit speaks Italian: a field's context menu offers
// "Annulla" rather than "Undo".
bool toolkitInItalian() {
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    for (const QAction* action : menu->actions())
        if (action->text().remove(QLatin1Char('&')).startsWith(QStringLiteral("Annulla"))) return true;
    return false;
}

void clickAtOnce(QWidget* button) {
    const QPointF at(button->width() / 2.0, button->height() / 2.0);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, button->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(button, &event);
    }
}

// The path of a loaded shared library whose file name holds the text;
// empty when none is loaded. Test-only: the loader's list is in glibc's
// <link.h>, and elsewhere the tests that read it skip.
QString loadedPath(const char* name) {
#ifdef OMBRANA_LISTS_LIBRARIES
    struct Search {
        const char* name;
        QString path;
    } search{name, {}};
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            auto* s = static_cast<Search*>(data);
            if (info->dlpi_name && std::strstr(info->dlpi_name, s->name)) s->path = QFile::decodeName(info->dlpi_name);
            return 0;
        },
        &search);
    return search.path;
#else
    Q_UNUSED(name);
    return {};
#endif
}

bool loaded(const char* name) {
    return !loadedPath(name).isEmpty();
}

// The child's side of printerModuleBesideTheProgram.
int printLoadedModule() {
    printOnDefaultPrinter({.docName = QStringLiteral("prova")});
    std::fputs(qPrintable(loadedPath(OMBRANA_PRINTER_MODULE)), stdout);
    return 0;
}

}  // namespace

// The program's own start: the splash, with the toolkit already in Italian
// for the windows it leads to; and the splash's fixed captions in their fonts.
class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void cleanup() {
        test::closeAllWindows();
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    // CONTINUA clicked as soon as the splash is there, before it has ever
    // been painted: the menu opens, and the toolkit speaks Italian.
    void continuaAtOnceLeadsToTheMenu() {
        QVERIFY(!toolkitInItalian());
        startProgram(*qApp);
        QWidget* splash = finestre().find(nomi::splash);
        QVERIFY(splash);
        QVERIFY(splash->isVisible());
        FIND_CHILD(QPushButton, continua, splash, QStringLiteral("Command1"));
        clickAtOnce(continua);
        QVERIFY(finestre().isOpen(nomi::menu));
        QVERIFY(toolkitInItalian());
    }

    // A window of fixed captions looks for no other face: every character
    // of its texts must be in its own fonts.
    void fixedCaptionsAreInTheirFonts() {
        prepareApplication(*qApp);
        int windows = 0;
        for (const QString& name : finestre().names()) {
            auto* window = qobject_cast<DesignedWindow*>(test::openWindow(name));
            if (!window || !window->design().fixedCaptions) continue;
            ++windows;
            for (QWidget* control : window->area()->findChildren<QWidget*>()) {
                QString text;
                if (auto* label = qobject_cast<QLabel*>(control)) text = label->text();
                if (auto* button = qobject_cast<QAbstractButton*>(control)) text = button->text();
                const QFontMetrics metrics(control->font());
                for (const uint c : text.toUcs4())
                    QVERIFY2(QChar::isSpace(c) || metrics.inFontUcs4(c),
                             qPrintable(QStringLiteral("%1 %2: U+%3 is not in its font")
                                            .arg(name, control->objectName(), QString::number(c, 16))));
            }
            test::closeAllWindows();
        }
        QVERIFY(windows > 0);
    }

    // Every window opened and nothing printed: Qt's printing library is not
    // there. The first print job loads it, through the program's module.
    void printingLoadedByTheFirstJob() {
        if (!loaded("libQt6Core")) QSKIP("the loaded libraries cannot be listed here");
        startProgram(*qApp);
        QVERIFY(!loaded("libQt6PrintSupport"));
        QVERIFY(!loaded(OMBRANA_PRINTER_MODULE));

        // A job that paints nothing: no printer, or one that is sent nothing.
        const bool printed = printOnDefaultPrinter({.docName = QStringLiteral("prova")});
        QVERIFY(!printed);
        QVERIFY(loaded(OMBRANA_PRINTER_MODULE));
        QVERIFY(loaded("libQt6PrintSupport"));
    }

    // Installed, the program finds the module in the installation's module
    // folder, reached from its own, before the build's: a copy of this test
    // in a tree laid out so loads the copy of the module beside it.
    void printerModuleBesideTheProgram() {
        if (!loaded("libQt6Core")) QSKIP("the loaded libraries cannot be listed here");
        QTemporaryDir tree;
        const QDir bin(tree.filePath(QStringLiteral("bin")));
        const QDir modules(bin.absoluteFilePath(QStringLiteral(OMBRANA_MODULE_FROM_PROGRAM)));
        QVERIFY(QDir().mkpath(bin.path()) && QDir().mkpath(modules.path()));
        const QString program = bin.absoluteFilePath(QStringLiteral("ombrana"));
        const QString module = modules.absoluteFilePath(QStringLiteral(OMBRANA_PRINTER_MODULE));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        QVERIFY(QFile::copy(QDir(QStringLiteral(OMBRANA_MODULE_BUILD_DIR)).filePath(OMBRANA_PRINTER_MODULE), module));
        QProcess child;
        child.start(program, {QStringLiteral("--loaded-module")});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(QDir(QString::fromLocal8Bit(child.readAllStandardOutput())).canonicalPath(),
                 QDir(module).canonicalPath());
    }

    // Start-up names the faces Qt takes on a machine without the installed
    // look-alikes.
    void fontSubstitutesAfterStartUp_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QStringList>("substitutes");
        // clang-format off
        QTest::newRow("sans")    << design::kMsSansSerif << QStringList{"Arimo", "DejaVu Sans"};
        QTest::newRow("playful") << design::kBalloon     << QStringList{"Comic Relief", "Liberation Sans"};
        // clang-format on
    }
    void fontSubstitutesAfterStartUp() {
        QFETCH(QString, family);
        QFETCH(QStringList, substitutes);
        QFont::removeSubstitutions(family);
        startProgram(*qApp);
        // Qt keeps the names in lower case.
        QCOMPARE(QFont::substitutes(family).join(u',').toCaseFolded(), substitutes.join(u',').toCaseFolded());
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    if (argc > 1 && std::strcmp(argv[1], "--loaded-module") == 0) return printLoadedModule();
    TestStartup test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
