#include "AllWindows.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "tools/WindowList.h"
#include "tools/WindowShots.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

using namespace ombrana;

namespace {

QStringList labelTexts(QWidget* window) {
    QStringList texts;
    for (const QLabel* label : window->findChildren<QLabel*>()) texts << label->text();
    return texts;
}

void closeEverything() {
    finestre().closeAll();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class WindowShots : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        qApp->setQuitOnLastWindowClosed(false);
        prepareApplication(*qApp);
    }
    void cleanup() { closeEverything(); }

    // A name added to the list of window names without being added here
    // would leave that window out of the pictures and the benchmark.
    void everyNameIsListed() {
        QFile header(QStringLiteral(OMBRANA_WINDOW_NAMES_HEADER));
        QVERIFY(header.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(header.readAll());
        static const QRegularExpression declaration(QStringLiteral("inline const QString (\\w+) ="));
        qsizetype declared = 0;
        for (auto it = declaration.globalMatch(text); it.hasNext(); it.next()) ++declared;
        QCOMPARE(tools::registeredWindows().size(), declared);
        QCOMPARE(tools::registeredWindows().removeDuplicates(), 0);
    }

    void everyWindowIsPictured_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : tools::registeredWindows()) QTest::newRow(qPrintable(name)) << name;
    }
    void everyWindowIsPictured() {
        QFETCH(QString, name);
        const QImage image = tools::grabWindow(name);
        QVERIFY(!image.isNull());
        QWidget* window = finestre().find(name);
        QVERIFY(window);
        QCOMPARE(image.size(), window->size());
        // Not a blank picture: a designed window has more than one colour.
        const QRgb first = image.pixel(0, 0);
        bool varied = false;
        for (int y = 0; y < image.height() && !varied; y += 7)
            for (int x = 0; x < image.width() && !varied; x += 7) varied = image.pixel(x, y) != first;
        QVERIFY(varied);
    }

    void filterWindowsShowResults_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : tools::registeredWindows())
            if (tools::isFilterWindow(name)) QTest::newRow(qPrintable(name)) << name;
    }
    void filterWindowsShowResults() {
        QFETCH(QString, name);
        QWidget* window = finestre().open(name);
        QVERIFY(window);
        const QStringList before = labelTexts(window);
        QVERIFY(tools::fillSampleDesign(window));
        QVERIFY(labelTexts(window) != before);
    }

    void lowPassPiShowsTheWorkedExample() {
        QWidget* window = finestre().open(nomi::passaBassoPiGreco);
        QVERIFY(window);
        QVERIFY(tools::fillSampleDesign(window));
        const QStringList texts = labelTexts(window);
        QVERIFY(texts.contains(QStringLiteral("454,7")));
        QVERIFY(texts.contains(QStringLiteral("2,27")));
    }

    void otherWindowsAreNotFilled() {
        QWidget* menu = finestre().open(nomi::menu);
        QVERIFY(menu);
        QVERIFY(!tools::fillSampleDesign(menu));
    }

    void fileNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        // clang-format off
        QTest::newRow("plain") << "PassaBpig" << "PassaBpig.png";
        QTest::newRow("accent dropped") << QString::fromUtf8("Men\u00f9") << "Menu.png";
        QTest::newRow("accent inside") << QString::fromUtf8("Leggimimen\u00f9") << "Leggimimenu.png";
        QTest::newRow("separators removed") << "../a b/c" << "abc.png";
        QTest::newRow("dash and underscore kept") << "a-b_c" << "a-b_c.png";
        // clang-format on
    }
    void fileNames() {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QCOMPARE(tools::shotFileName(name), file);
    }
};

QTEST_MAIN(WindowShots)
#include "tst_windowshots.moc"
