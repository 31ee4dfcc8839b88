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
int giri() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("OMBRANA_STRESS_ROUNDS", &ok);
    return ok && n > 0 ? n : 200;
}

// Lets the deferred deletions of closed windows run.
void lasciaChiudere() {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

// Waits as long as an alert could still run, then some, so that a window
// an alert might wrongly bring back would be shown by then.
void attendiOltreGliAllarmi() {
    QTimer segnale;
    segnale.setSingleShot(true);
    QSignalSpy scaduto(&segnale, &QTimer::timeout);
    segnale.start(InputAlert::secondDuration() * 12);
    QVERIFY(scaduto.wait(5000));
}

bool nessunaFinestraVisibile() {
    const QWidgetList finestreDiPrimoLivello = QApplication::topLevelWidgets();
    return std::none_of(finestreDiPrimoLivello.cbegin(), finestreDiPrimoLivello.cend(),
                        [](const QWidget* w) { return w->isVisible(); });
}

QList<InputAlert*> allarmi(QWidget* w) {
    return w ? w->findChildren<InputAlert*>() : QList<InputAlert*>();
}

// The buttons that only open other windows or close this one: every push
// button but the calculation and clearing ones.
bool apreOChiude(const QAbstractButton* b) {
    const QString c = b->text().simplified();
    return b->isVisible() && c != QLatin1String("CALCOLA") && c != QLatin1String("CANCELLA");
}

}  // namespace

class TestLifecycle : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        preparaProgramma();
        InputAlert::setSecondDuration(std::chrono::milliseconds(5));
    }
    void cleanup() {
        test::closeAllWindows();
        QVERIFY2(finestreVisibiliNonAperte().isEmpty(), qPrintable(finestreVisibiliNonAperte().join(", ")));
    }

    void openCloseByName_data() {
        QTest::addColumn<QString>("window");
        for (const QString& n : nomiRegistrati()) QTest::newRow(qPrintable(n)) << n;
    }
    void openCloseByName() {
        QFETCH(QString, window);
        const int prima = QApplication::topLevelWidgets().size();
        for (int i = 0; i < giri(); ++i) {
            QWidget* w = finestre().open(window);
            QVERIFY(w);
            QVERIFY(w->isVisible());
            QCOMPARE(finestre().open(window), w);  // a second open raises the same window
            finestre().close(window);
            QVERIFY(!finestre().isOpen(window));
            lasciaChiudere();
        }
        QCOMPARE(QApplication::topLevelWidgets().size(), prima);
        QCOMPARE(finestre().openNames(), QStringList());
    }

    // Every button that opens or closes windows, pressed round after round;
    // whatever it opened is then closed by its own "CHIUDI" when it has one.
    void buttonsOpenAndClose_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        for (const QString& n : nomiRegistrati()) {
            QWidget* w = finestre().open(n);
            if (w) {
                for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
                    if (apreOChiude(b))
                        QTest::addRow("%s/%s", qPrintable(n), qPrintable(b->objectName())) << n << b->objectName();
            }
            test::closeAllWindows();
        }
    }
    void buttonsOpenAndClose() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        const int rounds = qMax(1, giri() / 10);
        SpiaDialoghi spia;
        for (int i = 0; i < rounds; ++i) {
            QWidget* w = test::openWindow(window);
            QVERIFY(w);
            const QStringList primaAperte = finestre().openNames();
            test::click(w, button);
            lasciaChiudere();
            for (const QString& aperta : finestre().openNames()) {
                if (primaAperte.contains(aperta)) continue;
                QWidget* nuova = finestre().find(aperta);
                if (QAbstractButton* chiudi = pulsante(nuova, QStringLiteral("CHIUDI")))
                    QTest::mouseClick(chiudi, Qt::LeftButton);
                else
                    finestre().close(aperta);
                lasciaChiudere();
            }
            test::closeAllWindows();
            QCOMPARE(finestre().openNames(), QStringList());
        }
        QVERIFY2(spia.visti().isEmpty(), qPrintable(spia.visti().join(", ")));
    }

    // The program's own way in and out: the splash's "CONTINUA", then the
    // menu's "CHIUDI", which closes the last window and so ends the program.
    void splashMenuChiudi() {
        for (int i = 0; i < giri(); ++i) {
            QWidget* s = test::openWindow(nomi::splash);
            QVERIFY(s);
            QVERIFY(pulsante(s, QStringLiteral("CONTINUA")));
            QTest::mouseClick(pulsante(s, QStringLiteral("CONTINUA")), Qt::LeftButton);
            QWidget* menu = finestre().find(nomi::menu);
            QVERIFY(menu);
            QVERIFY(!finestre().isOpen(nomi::splash));
            QTest::mouseClick(pulsante(menu, QStringLiteral("CHIUDI")), Qt::LeftButton);
            QCOMPARE(finestre().openNames(), QStringList());
            lasciaChiudere();
            // No visible window is left to keep the program running.
            QTRY_VERIFY(nessunaFinestraVisibile());
        }
    }

    // Alerts started and their window closed while they wait.
    void alertCutShortByClosing_data() {
        QTest::addColumn<QString>("window");
        int righe = 0;
        for (const QString& n : nomiRegistrati()) {
            if (!allarmi(finestre().open(n)).isEmpty()) {
                QTest::newRow(qPrintable(n)) << n;
                ++righe;
            }
            test::closeAllWindows();
        }
        QVERIFY2(righe > 0, "no window with an input alert");
    }
    void alertCutShortByClosing() {
        QFETCH(QString, window);
        InputAlert::setSecondDuration(std::chrono::milliseconds(50));
        const int rounds = qMax(1, giri() / 4);
        for (int i = 0; i < rounds; ++i) {
            QWidget* w = test::openWindow(window);
            for (InputAlert* a : allarmi(w)) a->start();
            QVERIFY(allarmeAttivo(w));
            if (i % 2 == 0) {
                finestre().close(window);
            } else if (QAbstractButton* chiudi = pulsante(w, QStringLiteral("CHIUDI"))) {
                QTest::mouseClick(chiudi, Qt::LeftButton);
            } else {
                w->close();
            }
            QVERIFY(!finestre().isOpen(window));
            lasciaChiudere();
        }
        attendiOltreGliAllarmi();
        QVERIFY(!finestre().isOpen(window));
        InputAlert::setSecondDuration(std::chrono::milliseconds(5));
    }

    void twoAlertsAtOnce() {
        InputAlert::setSecondDuration(std::chrono::milliseconds(20));
        QStringList conAllarme;
        for (const QString& n : nomiRegistrati())
            if (!allarmi(test::openWindow(n)).isEmpty()) conAllarme << n;
        if (conAllarme.size() < 2) QSKIP("fewer than two windows with an alert");
        for (const QString& n : conAllarme)
            for (InputAlert* a : allarmi(finestre().find(n))) a->start();
        for (const QString& n : conAllarme) QVERIFY(allarmeAttivo(finestre().find(n)));
        for (const QString& n : conAllarme) QTRY_VERIFY(!allarmeAttivo(finestre().find(n)));
        for (const QString& n : conAllarme) QVERIFY(finestre().isOpen(n));
        InputAlert::setSecondDuration(std::chrono::milliseconds(5));
    }

    void menuChiudiDuringAlert() {
        InputAlert::setSecondDuration(std::chrono::milliseconds(50));
        const int rounds = qMax(1, giri() / 10);
        for (int i = 0; i < rounds; ++i) {
            QWidget* menu = test::openWindow(nomi::menu);
            QVERIFY(menu);
            int attivi = 0;
            for (const QString& n : nomiRegistrati()) {
                if (n == nomi::splash) continue;
                QWidget* w = test::openWindow(n);
                for (InputAlert* a : allarmi(w)) {
                    a->start();
                    ++attivi;
                }
            }
            QVERIFY(attivi > 0);
            QTest::mouseClick(pulsante(finestre().find(nomi::menu), QStringLiteral("CHIUDI")), Qt::LeftButton);
            QCOMPARE(finestre().openNames(), QStringList());
            lasciaChiudere();
        }
        attendiOltreGliAllarmi();
        QCOMPARE(finestre().openNames(), QStringList());
        InputAlert::setSecondDuration(std::chrono::milliseconds(5));
    }
};

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
