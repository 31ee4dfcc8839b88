#include "app/AfterFirstPaint.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <memory>

using namespace ombrana;

namespace {

// A window that notes, for each thing that reaches it, whether the set-up
// had already run.
class Probe : public QWidget {
public:
    explicit Probe(const int& runs) : m_runs(runs) { resize(120, 80); }

    int runsAtPaint = -1;
    int runsAtInput = -1;

protected:
    void paintEvent(QPaintEvent*) override {
        if (runsAtPaint < 0) runsAtPaint = m_runs;
    }
    void keyPressEvent(QKeyEvent*) override { runsAtInput = m_runs; }
    void mousePressEvent(QMouseEvent*) override { runsAtInput = m_runs; }

private:
    const int& m_runs;
};

enum class First { Paint, Key, Click };

}  // namespace

Q_DECLARE_METATYPE(First)

class TestAfterFirstPaint : public QObject {
    Q_OBJECT
private slots:
    // Painted, the set-up runs after the frame, once; a key or a click that
    // comes first runs it before the window sees the input.
    void runsOnceAfterTheFrameOrBeforeInput_data() {
        QTest::addColumn<First>("first");
        // clang-format off
        QTest::newRow("painted") << First::Paint;
        QTest::newRow("key first") << First::Key;
        QTest::newRow("click first") << First::Click;
        // clang-format on
    }
    void runsOnceAfterTheFrameOrBeforeInput() {
        QFETCH(First, first);
        int runs = 0;
        Probe window(runs);
        runAfterFirstPaint(&window, [&runs] { ++runs; });
        window.show();
        if (first == First::Key) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QCoreApplication::sendEvent(&window, &press);
            QCOMPARE(window.runsAtInput, 1);
        } else if (first == First::Click) {
            const QPointF at(10, 10);
            QMouseEvent press(QEvent::MouseButtonPress, at, window.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &press);
            QCOMPARE(window.runsAtInput, 1);
        }
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(window.runsAtPaint >= 0);
        QTRY_COMPARE(runs, 1);
        if (first == First::Paint) QCOMPARE(window.runsAtPaint, 0);  // the frame came first

        window.repaint();
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);
    }

    void anotherWindowsFrameDoesNotCount() {
        int runs = 0;
        Probe watched(runs);
        Probe other(runs);
        runAfterFirstPaint(&watched, [&runs] { ++runs; });
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        QTRY_VERIFY(other.runsAtPaint >= 0);
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);
    }

    void aWindowGoneFirstRunsNothing() {
        int runs = 0;
        auto window = std::make_unique<Probe>(runs);
        runAfterFirstPaint(window.get(), [&runs] { ++runs; });
        window->show();
        window.reset();
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);
    }
};

QTEST_MAIN(TestAfterFirstPaint)
#include "tst_afterfirstpaint.moc"
