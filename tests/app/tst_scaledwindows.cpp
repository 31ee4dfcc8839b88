// The small tool windows open whole, at their design size, above the large
// window that opened them, at any scale the screen has room for. Run on the
// xcb platform under a window manager (scripts/ci/scaled-tests.sh) at 150 %
// and 200 %: the window manager rounds a window's size to the resize steps
// that it is given, two device pixels at 150 %.
#include "AllWindows.h"
#include "app/DesignedWindow.h"
#include "app/WindowNames.h"
#include "tests/support/WindowTestSupport.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

using namespace ombrana;

namespace {

QString describe(const QWidget* w, QSize design) {
    return QStringLiteral("%1x%2 for a design of %3x%4 at %5 %")
        .arg(w->width())
        .arg(w->height())
        .arg(design.width())
        .arg(design.height())
        .arg(qRound(w->devicePixelRatioF() * 100));
}

}  // namespace

class TestScaledWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        prepareApplication(*qApp);
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void cleanup() { test::closeAllWindows(); }

    void smallWindowOpensWhole_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("window");
        // clang-format off
        QTest::newRow("calculator") << nomi::passaBassoPiGreco << nomi::calcolatrice;
        QTest::newRow("calculator from the toroids") << nomi::tabelle << nomi::calcolatrice;
        QTest::newRow("inductance") << nomi::passaAltoPiGreco << nomi::induttanza;
        QTest::newRow("inductance 2") << nomi::passaBassoPiGreco << nomi::induttanza2;
        QTest::newRow("air coil") << nomi::passaBassoT << nomi::induttanzaAria;
        // clang-format on
    }
    void smallWindowOpensWhole() {
        QFETCH(QString, opener);
        QFETCH(QString, window);
        QVERIFY(test::activate(test::openWindow(opener)));
        auto* w = qobject_cast<DesignedWindow*>(test::openWindow(window));
        QVERIFY(w);
        const QMenuBar* bar = w->findChild<QMenuBar*>();
        const QSize design = w->area()->size() + QSize(0, bar ? bar->sizeHint().height() : 0);
        if (!fitsOnScreen(design, w->screen()->availableGeometry().size()))
            QSKIP("the screen has no room for this window at this scale");
        QVERIFY(!w->isMaximized());
        // The window manager has its say after the window shows.
        QTRY_VERIFY2(w->size() == design, qPrintable(describe(w, design)));
        FIND_CHILD(QScrollArea, scroller, w, QStringLiteral("scroller"));
        QCOMPARE(scroller->viewport()->size(), w->area()->size());
        QVERIFY(!scroller->horizontalScrollBar()->isVisible());
        QVERIFY(!scroller->verticalScrollBar()->isVisible());
        // Every control, the calculator's bottom row included, is in view.
        const QRect shown = scroller->viewport()->rect();
        for (const QWidget* c : w->area()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!c->isVisible()) continue;
            const QRect at(c->mapTo(scroller->viewport(), QPoint(0, 0)), c->size());
            QVERIFY2(shown.contains(at), qPrintable(c->objectName()));
        }
    }
};

QTEST_MAIN(TestScaledWindows)
#include "tst_scaledwindows.moc"
