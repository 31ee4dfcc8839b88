#include "app/AppWindows.h"
#include "app/CaptionBreaks.h"
#include "app/ControlTable.h"
#include "app/FramePanel.h"
#include "app/MenuWindow.h"
#include "app/SplashWindow.h"
#include "app/WindowNames.h"
#include "filters/FilterWindow.h"
#include "tests/support/WindowTestSupport.h"

#include <QApplication>
#include <QKeyEvent>

using namespace ombrana;

namespace {

bool anyWindowVisible() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) return true;
    return false;
}

}  // namespace

class TestAppWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        registerAppWindows();
        registerFilterWindows();
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void cleanup() { test::closeAllWindows(); }

    void twips_data() {
        QTest::addColumn<int>("twips");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("pixels");
        // clang-format off
        QTest::newRow("15 twips a pixel") << 15 << 96.0 << 1;
        QTest::newRow("menu width") << 11775 << 96.0 << 785;
        QTest::newRow("rounds to nearest") << 7335 << 96.0 << 489;
        QTest::newRow("larger dpi") << 1440 << 144.0 << 144;
        QTest::newRow("zero") << 0 << 96.0 << 0;
        // clang-format on
    }
    void twips() {
        QFETCH(int, twips);
        QFETCH(double, dpi);
        QFETCH(int, pixels);
        QCOMPARE(design::twipsToPixels(twips, dpi), pixels);
    }

    void splashShowsVersion() {
        QWidget* s = test::openWindow(nomi::splash);
        FIND_CHILD(QLabel, version, s, "lblVersion");
        FIND_CHILD(QLabel, product, s, "lblCompanyProduct");
        FIND_CHILD(QLabel, warning, s, "lblWarning");
        FIND_CHILD(QLabel, logo, s, "imgLogo");
        FIND_CHILD(QWidget, continua, s, "Command1");
        QCOMPARE(version->text(), QStringLiteral("Versione 1.0.2"));
        QCOMPARE(product->text(), QStringLiteral("OMBRANA"));
        QCOMPARE(warning->text(), QStringLiteral("RISOLUZIONE  VIDEO    800 * 600"));
        QVERIFY(!logo->pixmap().isNull());
        QCOMPARE(logo->pixmap().size(), QSize(133, 135));
        QTRY_COMPARE(QApplication::focusWidget(), continua);
    }

    void continuaOpensMenuThenCloses() {
        QWidget* s = test::openWindow(nomi::splash);
        test::click(s, "Command1");
        QVERIFY(finestre().isOpen(nomi::menu));
        QVERIFY(!finestre().isOpen(nomi::splash));
        QVERIFY(finestre().find(nomi::menu)->isMaximized());
    }

    void splashEnds_data() {
        QTest::addColumn<QString>("how");
        // clang-format off
        QTest::newRow("FINE") << "FINE";
        QTest::newRow("typed character") << "key";
        QTest::newRow("escape") << "escape";
        QTest::newRow("click on the panel") << "panel";
        // clang-format on
    }
    void splashEnds() {
        QFETCH(QString, how);
        QWidget* s = test::openWindow(nomi::splash);
        FIND_CHILD(QWidget, panel, s, "Frame1");
        if (how == "FINE") test::click(s, "Command2");
        if (how == "key") QTest::keyClick(QApplication::focusWidget(), Qt::Key_X);
        if (how == "escape") QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        if (how == "panel") QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(300, 20));
        QVERIFY(!finestre().isOpen(nomi::splash));
        QVERIFY(!finestre().isOpen(nomi::menu));
        QTRY_VERIFY(!anyWindowVisible());
    }

    // A focused button answers Enter and the space bar as a click; any other
    // typed character still closes the splash, whichever button has the
    // focus. A key held down since before does not press, nor does Enter
    // with a command modifier.
    void splashKeysOnAFocusedButton_data() {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("keyText");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("autoRepeat");
        QTest::addColumn<bool>("splashStays");
        QTest::addColumn<bool>("menuOpens");
        const int alt = Qt::AltModifier, ctrl = Qt::ControlModifier, keypad = Qt::KeypadModifier;
        // clang-format off
        QTest::newRow("Enter on CONTINUA")               << "Command1" << int(Qt::Key_Return) << test::kEnterText << 0      << false << false << true;
        QTest::newRow("keypad Enter on CONTINUA")        << "Command1" << int(Qt::Key_Enter)  << test::kEnterText << keypad << false << false << true;
        QTest::newRow("space on CONTINUA")               << "Command1" << int(Qt::Key_Space)  << " "              << 0      << false << false << true;
        QTest::newRow("Enter on FINE")                   << "Command2" << int(Qt::Key_Return) << test::kEnterText << 0      << false << false << false;
        QTest::newRow("space on FINE")                   << "Command2" << int(Qt::Key_Space)  << " "              << 0      << false << false << false;
        QTest::newRow("a on CONTINUA")                   << "Command1" << int(Qt::Key_A)      << "a"              << 0      << false << false << false;
        QTest::newRow("ctrl+Enter on CONTINUA")          << "Command1" << int(Qt::Key_Return) << test::kEnterText << ctrl   << false << false << false;
        QTest::newRow("alt+Enter on CONTINUA")           << "Command1" << int(Qt::Key_Return) << QString()        << alt    << false << true  << false;
        QTest::newRow("alt+Enter typed on CONTINUA")     << "Command1" << int(Qt::Key_Return) << test::kEnterText << alt    << false << false << false;
        QTest::newRow("Enter repeating on CONTINUA")     << "Command1" << int(Qt::Key_Return) << test::kEnterText << 0      << true  << true  << false;
        QTest::newRow("space repeating on CONTINUA")     << "Command1" << int(Qt::Key_Space)  << " "              << 0      << true  << true  << false;
        // clang-format on
    }
    void splashKeysOnAFocusedButton() {
        QFETCH(QString, focused);
        QFETCH(int, key);
        QFETCH(QString, keyText);
        QFETCH(int, modifiers);
        QFETCH(bool, autoRepeat);
        QFETCH(bool, splashStays);
        QFETCH(bool, menuOpens);
        QWidget* s = test::openWindow(nomi::splash);
        QVERIFY(test::activate(s));
        FIND_CHILD(QWidget, button, s, focused);
        button->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), button);
        if (autoRepeat) {
            // A key held down before the splash had the focus: only its
            // repeats arrive.
            for (int i = 0; i < 3 && QApplication::focusWidget(); ++i) {
                QKeyEvent repeat(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), keyText, true);
                QApplication::sendEvent(QApplication::focusWidget(), &repeat);
            }
        } else {
            test::pressKey(Qt::Key(key), keyText, Qt::KeyboardModifiers(modifiers));
        }
        QCOMPARE(finestre().isOpen(nomi::splash), splashStays);
        QCOMPARE(finestre().isOpen(nomi::menu), menuOpens);
    }

    // The product name's letters stay clear of the panel's edges; the test
    // also runs at 150 % and 200 % scaling.
    void splashNameStaysInsideItsPanel() {
        QWidget* s = test::openWindow(nomi::splash);
        FIND_CHILD(QWidget, panel, s, "Frame1");
        FIND_CHILD(QLabel, name, s, "lblCompanyProduct");
        const QImage image = panel->grab().toImage();
        const double dpr = image.devicePixelRatio();
        const QColor blue = name->palette().color(QPalette::WindowText);
        int first = image.width();
        int last = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == blue) {
                    first = qMin(first, x);
                    last = qMax(last, x);
                }
        QVERIFY(last >= 0);
        const int clear = qRound(4 * dpr);  // the panel's border and a little air
        QVERIFY2(first >= clear && last < image.width() - clear,
                 qPrintable(QStringLiteral("letters from %1 to %2 of %3").arg(first).arg(last).arg(image.width())));
        // Its yellow ground does not cover the panel's bevel either.
        const QRect inside = panel->rect().adjusted(4, 4, -4, -4);
        QVERIFY2(inside.contains(name->geometry()), qPrintable(QStringLiteral("label from %1 to %2 of %3")
                                                                   .arg(name->x())
                                                                   .arg(name->geometry().right())
                                                                   .arg(panel->width())));
    }

    void splashIgnoresOtherClicks_data() {
        QTest::addColumn<QString>("target");
        // clang-format off
        QTest::newRow("logo") << "imgLogo";
        QTest::newRow("product label") << "lblCompanyProduct";
        QTest::newRow("version label") << "lblVersion";
        QTest::newRow("blue margin") << "ground";
        // clang-format on
    }
    void splashIgnoresOtherClicks() {
        QFETCH(QString, target);
        QWidget* s = test::openWindow(nomi::splash);
        FIND_CHILD(QWidget, clicked, s, target);
        QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(finestre().isOpen(nomi::splash));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // moving the focus is not typing
        QVERIFY(finestre().isOpen(nomi::splash));
    }

    void menuButtonsOpenTheirWindows_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        // clang-format off
        QTest::newRow("high-pass pi") << "Command2" << nomi::passaAltoPiGreco << " Filtro Passa Alto  a   Pi-Greco";
        QTest::newRow("low-pass pi") << "Command3" << nomi::passaBassoPiGreco << " Filtro Passa Basso a   Pi-Greco";
        QTest::newRow("high-pass T") << "Command4" << nomi::passaAltoT << "Filtro Passa Alto a   T";
        QTest::newRow("low-pass T") << "Command5" << nomi::passaBassoT << "Filtro Passa Basso a T";
        // clang-format on
    }
    void menuButtonsOpenTheirWindows() {
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QWidget* menu = test::openWindow(nomi::menu);
        FIND_CHILD(QPushButton, pressed, menu, button);
        QCOMPARE(pressed->text(), caption);
        test::click(menu, button);
        QWidget* w = finestre().find(window);
        QVERIFY(w);
        QVERIFY(finestre().isOpen(nomi::menu));
        // A second press brings the same window forward, as it was left.
        FIND_CHILD(QLineEdit, frequency, w, "Text1");
        test::type(frequency, "14");
        test::click(menu, button);
        QCOMPARE(finestre().find(window), w);
        QCOMPARE(frequency->text(), QStringLiteral("14"));
    }

    void menuLayout() {
        QWidget* menu = test::openWindow(nomi::menu);
        QCOMPARE(menu->windowTitle(), nomi::menu + QString(79, ' ') + "by   QUENDAL" + QString(18, ' ') + "rev  1.02");
        // The designed area sits in the middle of the teal ground.
        FIND_CHILD(QWidget, area, menu, "designArea");
        FIND_CHILD(QWidget, ground, menu, "ground");
        QVERIFY(qAbs(area->geometry().center().x() - ground->rect().center().x()) <= 1);
    }

    // A bracket is bound to the word it encloses by non-breaking blanks;
    // the blanks outside brackets still let a caption wrap.
    void bracketsStayWithTheirWord_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("joined");
        const QString nb(QChar(0x00A0));
        // clang-format off
        QTest::newRow("menu caption") << "   Filtro Passa Banda      ( esempi )" << "   Filtro Passa Banda      (" + nb + "esempi" + nb + ")";
        QTest::newRow("runs of blanks") << "a (  b c   ) d" << "a (" + nb + nb + "b c" + nb + nb + nb + ") d";
        QTest::newRow("no brackets") << " Filtro Passa Alto  a   Pi-Greco" << " Filtro Passa Alto  a   Pi-Greco";
        QTest::newRow("blanks only inside") << "(  )" << "(" + nb + nb + ")";
        QTest::newRow("bracket left open") << "a ( b" << "a (" + nb + "b";
        QTest::newRow("closing bracket only") << "a  ) b" << "a" + nb + nb + ") b";
        QTest::newRow("brackets at the ends") << " (a) " << " (a) ";
        QTest::newRow("empty") << "" << "";
        // clang-format on
    }
    void bracketsStayWithTheirWord() {
        QFETCH(QString, caption);
        QFETCH(QString, joined);
        QCOMPARE(bracketsJoined(caption), joined);
    }

    void chiudiClosesEverything() {
        QWidget* menu = test::openWindow(nomi::menu);
        test::click(menu, "Command3");
        test::click(menu, "Command2");
        QVERIFY(finestre().isOpen(nomi::passaAltoPiGreco));
        test::click(menu, "Command1");
        QCOMPARE(finestre().openNames(), QStringList());
        QTRY_VERIFY(!anyWindowVisible());
    }

    void closingTheMenuKeepsToolsAndChiudiBringsItBack() {
        QWidget* menu = test::openWindow(nomi::menu);
        test::click(menu, "Command5");
        menu->close();
        QVERIFY(!finestre().isOpen(nomi::menu));
        QWidget* filter = finestre().find(nomi::passaBassoT);
        QVERIFY(filter && filter->isVisible());
        test::click(filter, "Command2");  // CHIUDI of the low-pass T window
        QVERIFY(finestre().isOpen(nomi::menu));
        QVERIFY(!finestre().isOpen(nomi::passaBassoT));
    }

    void toroidButtonIgnoresAFailingWindow() {
        finestre().registerWindow(nomi::tabelle, []() -> QWidget* { return nullptr; });
        QWidget* menu = test::openWindow(nomi::menu);
        test::click(menu, "Command6");
        QVERIFY(!finestre().isOpen(nomi::tabelle));
        QVERIFY(finestre().isOpen(nomi::menu));
    }

    void closeOrderCoversEveryWindow() {
        const QStringList& order = MenuWindow::closeOrder();
        QCOMPARE(order.size(), 18);
        QCOMPARE(QSet<QString>(order.begin(), order.end()).size(), 18);
        QCOMPARE(order.first(), nomi::calcolatrice);
        QCOMPARE(order.indexOf(nomi::menu), 12);
        QVERIFY(!order.contains(nomi::splash));
    }
};

QTEST_MAIN(TestAppWindows)
#include "tst_appwindows.moc"
