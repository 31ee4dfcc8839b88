#include "AllWindows.h"
#include "app/DesktopSetup.h"
#include "app/MnemonicMenuBar.h"
#include "app/WindowNames.h"
#include "tests/support/WindowTestSupport.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QStyleOptionMenuItem>
#include <QWindow>

#include <memory>

using namespace ombrana;

namespace {

// An action's text as the user reads it: no mnemonic, no shortcut.
QString shownText(const QAction* action) {
    return action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
}

QWindow* aboveOf(QWidget* w) {
    return w->windowHandle() ? w->windowHandle()->transientParent() : nullptr;
}

// Opens the window and makes it the active one, as a click on it would.
QWidget* openActive(const QString& name) {
    QWidget* w = test::openWindow(name);
    if (!w) return nullptr;
    w->activateWindow();
    if (!QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }))
        qWarning("%s not active", qPrintable(name));
    return w;
}

// Notes the text of every menu-bar entry the style is asked to draw: the
// ampersand marks the letter it underlines.
class DrawnEntries : public QProxyStyle {
public:
    mutable QStringList texts;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
            item && element == CE_MenuBarItem)
            texts << item->text;
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

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
        FIND_CHILD(QLineEdit, field, w, QStringLiteral("Text1"));
        const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator()) texts << shownText(action);
        for (const char* text : {"Annulla", "Taglia", "Copia", "Incolla", "Seleziona tutto"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), qPrintable(texts.join(QLatin1Char('|'))));
    }

    void programNamesItsDesktopEntry() {
        QCOMPARE(QGuiApplication::desktopFileName(), QString::fromLatin1(kDesktopId));
    }

    // The inductance window follows the filter window that opened it last,
    // and stays open on its own when that window closes.
    void smallWindowStaysAboveItsOpener() {
        QWidget* menu = openActive(nomi::menu);
        test::click(menu, QStringLiteral("Command3"));
        QWidget* first = finestre().find(nomi::passaBassoPiGreco);
        QVERIFY(first);
        QCOMPARE(aboveOf(first), nullptr);  // a large window stands on its own

        QTRY_COMPARE(QApplication::activeWindow(), first);
        test::click(first, QStringLiteral("Command3"));
        QWidget* inductance = finestre().find(nomi::induttanza2);
        QVERIFY(inductance);
        QCOMPARE(aboveOf(inductance), first->windowHandle());

        QWidget* second = openActive(nomi::passaBassoT);
        test::click(second, QStringLiteral("Command3"));
        QCOMPARE(finestre().find(nomi::induttanza2), inductance);
        QTRY_VERIFY(inductance->isVisible());
        QCOMPARE(aboveOf(inductance), second->windowHandle());

        second->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(finestre().isOpen(nomi::induttanza2));
        QVERIFY(inductance->isVisible());
        QCOMPARE(aboveOf(inductance), nullptr);
    }

    void mnemonicPlace_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("taken");
        QTest::addColumn<int>("index");
        // clang-format off
        QTest::newRow("first letter") << "Stampa" << "" << 0;
        QTest::newRow("first letter, another case taken") << "calcolatrice" << "L" << 0;
        QTest::newRow("next word's initial") << QString::fromUtf8("Esporta CSV\u2026") << "SE" << 8;
        QTest::newRow("then any free letter") << "Leggimi" << "L" << 1;
        QTest::newRow("letters only, not the ellipsis") << QString::fromUtf8("E\u2026x") << "E" << 2;
        QTest::newRow("a letter after a digit starts no word") << "3D Vista" << "" << 3;
        QTest::newRow("every letter taken") << "Ab" << "AB" << -1;
        QTest::newRow("empty") << "" << "" << -1;
        // clang-format on
    }
    void mnemonicPlace() {
        QFETCH(QString, caption);
        QFETCH(QString, taken);
        QFETCH(int, index);
        QCOMPARE(mnemonicIndex(caption, taken), qsizetype(index));
    }

    // Every entry of every menu bar has a letter of its own within its
    // window, which Alt+letter triggers; its text keeps no ampersand.
    void menuEntriesByAltLetter_data() {
        QTest::addColumn<QString>("window");
        int bars = 0;
        for (const QString& name : finestre().names()) {
            QWidget* w = test::openWindow(name);
            if (w && w->findChild<QMenuBar*>()) {
                QTest::newRow(qPrintable(name)) << name;
                ++bars;
            }
            test::closeAllWindows();
        }
        QVERIFY(bars >= 10);
    }
    void menuEntriesByAltLetter() {
        QFETCH(QString, window);
        QWidget* w = openActive(window);
        QVERIFY(w);
        FIND_CHILD(MnemonicMenuBar, bar, w, QString());
        QString letters;
        for (QAction* entry : bar->actions()) {
            const QString text = entry->text();
            QVERIFY2(!text.contains(QLatin1Char('&')), qPrintable(text));
            const QChar letter = bar->mnemonic(entry);
            QVERIFY2(!letter.isNull(), qPrintable(text + " has no mnemonic"));
            QVERIFY2(text.toUpper().contains(letter), qPrintable(text));
            QVERIFY2(!letters.contains(letter), qPrintable(text + " repeats " + letter));
            letters += letter;
        }
        QVERIFY(!letters.isEmpty());
        // What each entry does is tested with its window; here only that the
        // key reaches it.
        for (QAction* entry : bar->actions()) QObject::disconnect(entry, &QAction::triggered, w, nullptr);
        for (QAction* entry : bar->actions()) {
            QSignalSpy triggered(entry, &QAction::triggered);
            const QChar letter = bar->mnemonic(entry);
            test::pressKey(Qt::Key(letter.unicode()), QString(letter.toLower()), Qt::AltModifier);
            // An entry waiting for a result (a verification's exports) stays quiet.
            QVERIFY2(triggered.size() == (entry->isEnabled() ? 1 : 0), qPrintable(entry->text()));
            QCOMPARE(QApplication::activeWindow(), w);
        }
    }

    // The bar marks each entry's own letter where it draws the entry, after
    // the letters the entries before it took; an ampersand of the caption
    // shows as written.
    void mnemonicWhereTheBarDraws_data() {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("drawn");
        // clang-format off
        QTest::newRow("a filter window's")  << QStringList{"Leggimi", "Calcolatrice", "Stampa"}   << QStringList{"&Leggimi", "&Calcolatrice", "&Stampa"};
        QTest::newRow("first letter taken") << QStringList{"Stampa", "Esporta PDF", "Esporta CSV"} << QStringList{"&Stampa", "&Esporta PDF", "Esporta &CSV"};
        QTest::newRow("no word left")       << QStringList{"Stampa", "Salva"}                     << QStringList{"&Stampa", "S&alva"};
        QTest::newRow("an ampersand")       << QStringList{"R & S", "Stampa"}                     << QStringList{"&R && S", "&Stampa"};
        // clang-format on
    }
    void mnemonicWhereTheBarDraws() {
        QFETCH(QStringList, captions);
        QFETCH(QStringList, drawn);
        DrawnEntries style;
        MnemonicMenuBar bar;
        bar.setStyle(&style);
        for (const QString& caption : captions) bar.addEntry(caption);
        bar.resize(bar.sizeHint());
        bar.grab();
        QCOMPARE(style.texts, drawn);
    }

    // The menu bar draws the letter underlined: its picture differs from a
    // plain bar's with the same entries.
    void mnemonicIsUnderlined() {
        QWidget* w = openActive(nomi::tabelle);
        FIND_CHILD(MnemonicMenuBar, bar, w, QString());
        QMenuBar plain;
        plain.setFont(bar->font());
        for (const QAction* entry : bar->actions()) plain.addAction(entry->text());
        plain.resize(bar->size());
        plain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plain));
        const QImage marked = bar->grab().toImage();
        const QImage unmarked = plain.grab().toImage();
        QCOMPARE(marked.size(), unmarked.size());
        QVERIFY(marked != unmarked);
    }

    // A lone Alt press leads into the menu bar, on its first entry; the
    // arrows move along it, a letter or Enter chooses, and the focus comes
    // back to where it was.
    void loneAltIntoTheMenuBar() {
        QWidget* w = openActive(nomi::passaBassoPiGreco);
        QVERIFY(w);
        FIND_CHILD(QLineEdit, field, w, QStringLiteral("Text1"));
        QTRY_COMPARE(QApplication::focusWidget(), field);
        FIND_CHILD(QMenuBar, bar, w, QString());
        QTest::keyPress(field, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(field, Qt::Key_Alt, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), bar);
        QCOMPARE(bar->activeAction(), bar->actions().at(0));
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(bar->activeAction()->objectName(), QStringLiteral("calcolatrice"));
        QTest::keyClick(bar, Qt::Key_Escape);
        QTRY_COMPARE(QApplication::focusWidget(), field);

        QTest::keyPress(field, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(field, Qt::Key_Alt, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), bar);
        test::pressKey(Qt::Key_C, QStringLiteral("c"));
        QTRY_VERIFY(finestre().isOpen(nomi::calcolatrice));
        QCOMPARE(field->text(), QString());
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
