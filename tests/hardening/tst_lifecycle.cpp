// Windows opened and closed many times, by the registry and by their own
// buttons, and input alerts cut short by closing their window: nothing
// crashes, no closed window comes back, nothing stays open.
#include "app/InputAlert.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "tests/hardening/HardeningSupport.h"
#include "tests/support/WindowTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSignalSpy>

#include <algorithm>

using namespace ombrana;
using namespace ombrana::hardening;

namespace {

// Rounds of each stress loop; the sanitizer build may take fewer to keep
// its run short, through OMBRANA_STRESS_ROUNDS.
int stressRounds() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("OMBRANA_STRESS_ROUNDS", &ok);
    return ok && n > 0 ? n : 200;
}

// Lets the deferred deletions of closed windows run.
void letClose() {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

// Waits as long as an alert could still run, then some, so that a window
// an alert might wrongly bring back would be shown by then.
void waitPastTheAlerts() {
    QTimer timer;
    timer.setSingleShot(true);
    QSignalSpy timedOut(&timer, &QTimer::timeout);
    timer.start(InputAlert::secondDuration() * 12);
    QVERIFY(timedOut.wait(5000));
}

bool noWindowVisible() {
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    return std::none_of(topLevels.cbegin(), topLevels.cend(), [](const QWidget* w) { return w->isVisible(); });
}

QList<InputAlert*> alertsOf(QWidget* w) {
    return w ? w->findChildren<InputAlert*>() : QList<InputAlert*>();
}

// The buttons that only open other windows or close this one: every push
// button but the calculation and clearing ones.
bool opensOrCloses(const QAbstractButton* b) {
    const QString c = b->text().simplified();
    return b->isVisible() && c != QLatin1String("CALCOLA") && c != QLatin1String("CANCELLA");
}

}  // namespace

class TestLifecycle : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        prepareProgram();
        InputAlert::setSecondDuration(std::chrono::milliseconds(5));
    }
    void cleanup() {
        test::closeAllWindows();
        QVERIFY2(visibleButNotOpen().isEmpty(), qPrintable(visibleButNotOpen().join(", ")));
    }

    void openCloseByName_data() {
        QTest::addColumn<QString>("window");
        for (const QString& n : registeredNames()) QTest::newRow(qPrintable(n)) << n;
    }
    void openCloseByName() {
        QFETCH(QString, window);
        const int before = QApplication::topLevelWidgets().size();
        for (int i = 0; i < stressRounds(); ++i) {
            QWidget* w = finestre().open(window);
            QVERIFY(w);
            QVERIFY(w->isVisible());
            QCOMPARE(finestre().open(window), w);  // a second open raises the same window
            finestre().close(window);
            QVERIFY(!finestre().isOpen(window));
            letClose();
        }
        QCOMPARE(QApplication::topLevelWidgets().size(), before);
        QCOMPARE(finestre().openNames(), QStringList());
    }

    // Every button that opens or closes windows, pressed round after round;
    // whatever it opened is then closed by its own "CHIUDI" when it has one.
    void buttonsOpenAndClose_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        for (const QString& n : registeredNames()) {
            QWidget* w = finestre().open(n);
            if (w) {
                for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
                    if (opensOrCloses(b))
                        QTest::addRow("%s/%s", qPrintable(n), qPrintable(b->objectName())) << n << b->objectName();
            }
            test::closeAllWindows();
        }
    }
    void buttonsOpenAndClose() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        const int rounds = qMax(1, stressRounds() / 10);
        DialogWatcher watcher;
        for (int i = 0; i < rounds; ++i) {
            QWidget* w = test::openWindow(window);
            QVERIFY(w);
            const QStringList openBefore = finestre().openNames();
            test::click(w, button);
            letClose();
            for (const QString& opened : finestre().openNames()) {
                if (openBefore.contains(opened)) continue;
                QWidget* newWindow = finestre().find(opened);
                if (QAbstractButton* closeButton = buttonWithCaption(newWindow, QStringLiteral("CHIUDI")))
                    QTest::mouseClick(closeButton, Qt::LeftButton);
                else
                    finestre().close(opened);
                letClose();
            }
            test::closeAllWindows();
            QCOMPARE(finestre().openNames(), QStringList());
        }
        QVERIFY2(watcher.seen().isEmpty(), qPrintable(watcher.seen().join(", ")));
    }

    // The program's own way in and out: the splash's "CONTINUA", then the
    // menu's "CHIUDI", which closes the last window and so ends the program.
    void splashMenuChiudi() {
        for (int i = 0; i < stressRounds(); ++i) {
            QWidget* s = test::openWindow(nomi::splash);
            QVERIFY(s);
            QVERIFY(buttonWithCaption(s, QStringLiteral("CONTINUA")));
            QTest::mouseClick(buttonWithCaption(s, QStringLiteral("CONTINUA")), Qt::LeftButton);
            QWidget* menu = finestre().find(nomi::menu);
            QVERIFY(menu);
            QVERIFY(!finestre().isOpen(nomi::splash));
            QTest::mouseClick(buttonWithCaption(menu, QStringLiteral("CHIUDI")), Qt::LeftButton);
            QCOMPARE(finestre().openNames(), QStringList());
            letClose();
            // No visible window is left to keep the program running.
            QTRY_VERIFY(noWindowVisible());
        }
    }

    // Alerts started and their window closed while they wait.
    void alertCutShortByClosing_data() {
        QTest::addColumn<QString>("window");
        int rows = 0;
        for (const QString& n : registeredNames()) {
            if (!alertsOf(finestre().open(n)).isEmpty()) {
                QTest::newRow(qPrintable(n)) << n;
                ++rows;
            }
            test::closeAllWindows();
        }
        QVERIFY2(rows > 0, "no window with an input alert");
    }
    void alertCutShortByClosing() {
        QFETCH(QString, window);
        InputAlert::setSecondDuration(std::chrono::milliseconds(50));
        const int rounds = qMax(1, stressRounds() / 4);
        for (int i = 0; i < rounds; ++i) {
            QWidget* w = test::openWindow(window);
            for (InputAlert* a : alertsOf(w)) a->start();
            QVERIFY(alertActive(w));
            if (i % 2 == 0) {
                finestre().close(window);
            } else if (QAbstractButton* closeButton = buttonWithCaption(w, QStringLiteral("CHIUDI"))) {
                QTest::mouseClick(closeButton, Qt::LeftButton);
            } else {
                w->close();
            }
            QVERIFY(!finestre().isOpen(window));
            letClose();
        }
        waitPastTheAlerts();
        QVERIFY(!finestre().isOpen(window));
        InputAlert::setSecondDuration(std::chrono::milliseconds(5));
    }

    void twoAlertsAtOnce() {
        InputAlert::setSecondDuration(std::chrono::milliseconds(20));
        QStringList withAlert;
        for (const QString& n : registeredNames())
            if (!alertsOf(test::openWindow(n)).isEmpty()) withAlert << n;
        if (withAlert.size() < 2) QSKIP("fewer than two windows with an alert");
        for (const QString& n : withAlert)
            for (InputAlert* a : alertsOf(finestre().find(n))) a->start();
        for (const QString& n : withAlert) QVERIFY(alertActive(finestre().find(n)));
        for (const QString& n : withAlert) QTRY_VERIFY(!alertActive(finestre().find(n)));
        for (const QString& n : withAlert) QVERIFY(finestre().isOpen(n));
        InputAlert::setSecondDuration(std::chrono::milliseconds(5));
    }

    void menuChiudiDuringAlert() {
        InputAlert::setSecondDuration(std::chrono::milliseconds(50));
        const int rounds = qMax(1, stressRounds() / 10);
        for (int i = 0; i < rounds; ++i) {
            QWidget* menu = test::openWindow(nomi::menu);
            QVERIFY(menu);
            int started = 0;
            for (const QString& n : registeredNames()) {
                if (n == nomi::splash) continue;
                QWidget* w = test::openWindow(n);
                for (InputAlert* a : alertsOf(w)) {
                    a->start();
                    ++started;
                }
            }
            QVERIFY(started > 0);
            QTest::mouseClick(buttonWithCaption(finestre().find(nomi::menu), QStringLiteral("CHIUDI")), Qt::LeftButton);
            QCOMPARE(finestre().openNames(), QStringList());
            letClose();
        }
        waitPastTheAlerts();
        QCOMPARE(finestre().openNames(), QStringList());
        InputAlert::setSecondDuration(std::chrono::milliseconds(5));
    }
};

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
