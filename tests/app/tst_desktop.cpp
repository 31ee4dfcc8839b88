#include "AllWindows.h"
#include "app/DesktopSetup.h"
#include "app/WindowNames.h"
#include "tests/support/WindowTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QMenu>

#include <memory>

using namespace ombrana;

namespace {

// An action's text as the user reads it: no mnemonic, no shortcut.
QString shownText(const QAction* action) {
    return action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
}

}  // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        prepareApplication(*qApp);
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void cleanup() { test::closeAllWindows(); }

    void fieldMenuIsItalian() {
        QWidget* w = test::openWindow(nomi::passaBassoPiGreco);
        auto* field = test::child<QLineEdit>(w, QStringLiteral("Text1"));
        QVERIFY(field);
        const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator()) texts << shownText(action);
        for (const char* text : {"Annulla", "Taglia", "Copia", "Incolla", "Seleziona tutto"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), qPrintable(texts.join(QLatin1Char('|'))));
    }

    void desktopEntryNamesTheProgram() {
        QCOMPARE(QGuiApplication::desktopFileName(), QString::fromLatin1(kDesktopId));
        QFile entry(QStringLiteral(OMBRANA_SOURCE_DIR "/packaging/") + QString::fromLatin1(kDesktopId) +
                    QStringLiteral(".desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'));
        const QStringList main{"AudioVideo", "Audio",  "Video",   "Development", "Education", "Game",   "Graphics",
                               "Network",    "Office", "Science", "Settings",    "System",    "Utility"};
        int mainCategories = -1;
        QString wmClass;
        QString program;
        for (const QString& line : lines) {
            if (line.startsWith(QLatin1String("Categories="))) {
                mainCategories = 0;
                for (const QString& c : line.mid(11).split(QLatin1Char(';'), Qt::SkipEmptyParts))
                    if (main.contains(c)) ++mainCategories;
            }
            if (line.startsWith(QLatin1String("StartupWMClass="))) wmClass = line.mid(15);
            if (line.startsWith(QLatin1String("Exec="))) program = line.mid(5).section(QLatin1Char(' '), 0, 0);
        }
        QCOMPARE(mainCategories, 1);
        // Without an application name of its own, the program's windows carry
        // the executable's name as their class.
        QVERIFY(!program.isEmpty());
        QCOMPARE(wmClass, program.section(QLatin1Char('/'), -1));
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
