#include "app/Beep.h"
#include "app/InputAlert.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace ombrana;
using namespace std::chrono_literals;

namespace {

// A window with the parts an alert works on.
struct Finestra {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLabel* banner = new QLabel(QStringLiteral("AVVISO"), window.get());
    QLineEdit* held = new QLineEdit(window.get());
    QLineEdit* other = new QLineEdit(window.get());
    QLabel* first = new QLabel(QStringLiteral("454,7"), window.get());
    QLabel* second = new QLabel(QStringLiteral("2,27"), window.get());
    InputAlert* alert = new InputAlert(
        {.banner = banner, .seconds = 5, .heldEmpty = {held}, .emptiedAfter = {first, second}}, window.get());

    Finestra() {
        banner->hide();
        held->setText(QStringLiteral("301"));
        other->setText(QStringLiteral("50"));
        window->show();
    }
};

}  // namespace

class TestInputAlert : public QObject {
    Q_OBJECT
private slots:
    void init() { InputAlert::setSecondDuration(20ms); }

    void showsHoldsThenEmpties() {
        Finestra f;
        const int beeps = beepCount();
        QSignalSpy finished(f.alert, &InputAlert::finished);
        f.alert->start();
        QCOMPARE(beepCount(), beeps + 1);
        QVERIFY(f.banner->isVisible());
        QVERIFY(f.held->text().isEmpty());
        // Results of the earlier calculation stay until the wait is over.
        QCOMPARE(f.first->text(), QStringLiteral("454,7"));
        QCOMPARE(f.second->text(), QStringLiteral("2,27"));
        QVERIFY(finished.wait(2000));
        QVERIFY(f.first->text().isEmpty());
        QVERIFY(f.second->text().isEmpty());
        QVERIFY(!f.banner->isVisible());
        QCOMPARE(f.banner->text(), QStringLiteral("AVVISO"));
        QCOMPARE(f.other->text(), QStringLiteral("50"));
        QCOMPARE(beepCount(), beeps + 1);
        QCOMPARE(finished.count(), 1);
    }

    void typingIntoHeldFieldVanishes() {
        Finestra f;
        f.alert->start();
        QTest::keyClicks(f.held, QStringLiteral("12"));
        QVERIFY(f.held->text().isEmpty());
        f.held->insert(QStringLiteral("7"));  // as a paste would
        QVERIFY(f.held->text().isEmpty());
        QTRY_VERIFY(!f.alert->isActive());
        // Once the alert is over the field takes text again.
        QTest::keyClicks(f.held, QStringLiteral("12"));
        QCOMPARE(f.held->text(), QStringLiteral("12"));
    }

    void secondStartRestartsTheWait() {
        Finestra f;
        QSignalSpy finished(f.alert, &InputAlert::finished);
        QElapsedTimer clock;
        clock.start();
        f.alert->start();
        QTRY_VERIFY(clock.elapsed() >= 60);
        QVERIFY(f.banner->isVisible());
        QElapsedTimer second;
        second.start();
        f.alert->start();
        QVERIFY(finished.wait(2000));
        QVERIFY(second.elapsed() >= 95);  // the whole wait again, from the later start
        QCOMPARE(finished.count(), 1);
        QVERIFY(!f.banner->isVisible());
    }

    void closingTheWindowEndsTheAlertSilently() {
        Finestra f;
        QSignalSpy finished(f.alert, &InputAlert::finished);
        f.alert->start();
        f.window->close();
        QVERIFY(!f.alert->isActive());
        QVERIFY(!finished.wait(300));
        QCOMPARE(f.first->text(), QStringLiteral("454,7"));
        QVERIFY(!f.window->isVisible());
    }

    void deletingTheWindowTakesTheAlertWithIt() {
        auto f = std::make_unique<Finestra>();
        f->alert->start();
        QPointer<InputAlert> alert = f->alert;
        f.reset();
        QVERIFY(alert.isNull());
    }
};

QTEST_MAIN(TestInputAlert)
#include "tst_inputalert.moc"
