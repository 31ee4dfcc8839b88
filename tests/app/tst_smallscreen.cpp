#include "AllWindows.h"
#include "app/DesignedWindow.h"
#include "app/WindowNames.h"
#include "tests/support/WindowTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

#include <string_view>
#include <vector>

using namespace ombrana;

// A netbook screen of 1024 x 600 pixels at 200 %: 512 x 300 logical pixels,
// smaller than the large windows' designed areas.
class TestSmallScreen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(512, 300));
        prepareApplication(*qApp);
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void cleanup() { test::closeAllWindows(); }

    void everyControlCanBeReached_data() {
        QTest::addColumn<QString>("name");
        // clang-format off
        QTest::newRow("menu") << nomi::menu;
        QTest::newRow("toroids") << nomi::tabelle;
        QTest::newRow("filter") << nomi::passaAltoPiGreco;
        QTest::newRow("air coil, placed by the system") << nomi::induttanzaAria;
        QTest::newRow("calculator, at its design size") << nomi::calcolatrice;
        // clang-format on
    }
    void everyControlCanBeReached() {
        QFETCH(QString, name);
        auto* w = qobject_cast<DesignedWindow*>(test::openWindow(name));
        QVERIFY(w);
        const QRect available = w->screen()->availableGeometry();
        QVERIFY2(available.contains(w->frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                        .arg(w->frameGeometry().x())
                                                                        .arg(w->frameGeometry().y())
                                                                        .arg(w->frameGeometry().width())
                                                                        .arg(w->frameGeometry().height())));
        FIND_CHILD(QScrollArea, scroller, w, QStringLiteral("scroller"));
        const QSize design = w->area()->size();
        const bool larger = design.height() > scroller->viewport()->height();
        QTRY_COMPARE(scroller->verticalScrollBar()->isVisible(), larger);

        const QRect view = scroller->viewport()->rect();
        int reached = 0;
        for (QWidget* c : w->area()->findChildren<QWidget*>()) {
            if (c->objectName().isEmpty() || c->objectName().startsWith(QLatin1String("qt_")) || !c->isVisible())
                continue;
            scroller->ensureWidgetVisible(c, 0, 0);
            const QRect at(c->mapTo(scroller->viewport(), QPoint(0, 0)), c->size());
            const bool whole = c->width() <= view.width() && c->height() <= view.height();
            QVERIFY2(whole ? view.contains(at) : view.intersects(at), qPrintable(c->objectName()));
            ++reached;
        }
        QVERIFY(reached > 0);
    }

    // The control with the focus is wholly in view when the window opens,
    // and Tab and Shift+Tab bring each control they reach wholly into view,
    // not only a field's text cursor.
    void tabBringsTheControlIntoView_data() {
        QTest::addColumn<QString>("name");
        // clang-format off
        QTest::newRow("filter") << nomi::passaBassoPiGreco;
        QTest::newRow("verification") << nomi::verificaPassaBassoPiGreco;
        QTest::newRow("toroids") << nomi::tabelle;
        QTest::newRow("air coil") << nomi::induttanzaAria;
        // clang-format on
    }
    void tabBringsTheControlIntoView() {
        QFETCH(QString, name);
        auto* w = qobject_cast<DesignedWindow*>(test::openWindow(name));
        QVERIFY(w);
        QVERIFY(test::activate(w));
        FIND_CHILD(QScrollArea, scroller, w, QStringLiteral("scroller"));
        QTRY_VERIFY(scroller->verticalScrollBar()->isVisible());  // the test means something
        QTRY_VERIFY(QApplication::focusWidget());
        const auto wholly = [scroller](QWidget* c) {
            const QRect at(c->mapTo(scroller->viewport(), QPoint(0, 0)), c->size());
            return scroller->viewport()->rect().contains(at);
        };
        QStringList visited;
        for (int step = 0; step < 40; ++step) {
            QWidget* focused = QApplication::focusWidget();
            QTRY_VERIFY2(wholly(focused), qPrintable(focused->objectName() + " after " + visited.join(' ')));
            visited << focused->objectName();
            if (step < 20)
                test::pressTab();
            else
                test::pressBacktab();
        }
    }
};

int main(int argc, char* argv[]) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 512, "height": 300,
                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    // This screen, whatever platform the command line names.
    const QByteArray platform = QByteArray("offscreen:configfile=") + config.toLocal8Bit();
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::string_view(argv[i]) == "-platform" && i + 1 < argc)
            ++i;
        else
            args.push_back(argv[i]);
    }
    args.push_back(const_cast<char*>("-platform"));
    args.push_back(const_cast<char*>(platform.constData()));
    int count = static_cast<int>(args.size());
    QApplication app(count, args.data());
    TestSmallScreen test;
    return QTest::qExec(&test, count, args.data());
}

#include "tst_smallscreen.moc"
