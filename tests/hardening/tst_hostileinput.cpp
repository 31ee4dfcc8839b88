// Hostile texts pasted into every text field of every window that has a
// "CALCOLA" button, then "CALCOLA": the window survives, shows no dialog,
// its results stay empty or well-formed numbers and no other field moves.
#include "app/Beep.h"
#include "app/InputAlert.h"
#include "app/WindowRegistry.h"
#include "tests/hardening/HardeningSupport.h"
#include "tests/support/WindowTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>

using namespace ombrana;
using namespace ombrana::hardening;

namespace {

struct HostileText {
    const char* name;
    QString text;
};

QList<HostileText> hostileTexts() {
    return {
        {"empty", QString()},
        {"blanks", QStringLiteral("   ")},
        {"lone comma", QStringLiteral(",")},
        {"three parts", QStringLiteral("1,2,3")},
        {"ten thousand digits", QString(10000, QLatin1Char('9'))},
        {"exponent", QStringLiteral("1e308")},
        {"point", QStringLiteral(".")},
        {"unicode minus", QString::fromUtf8("\u22127")},
        {"full-width digits", QString::fromUtf8("\uFF17\uFF10")},
        {"nul", QString(QChar(0)) + QStringLiteral("7")},
        {"right-to-left marks", QString::fromUtf8("\u200F7,5\u200F")},
        {"leading minus", QStringLiteral("-7")},
        {"one MiB", QString(1 << 20, QLatin1Char('7'))},
    };
}

// What a field holds before the hostile text goes into one of them: a
// plain value, so that the calculation gets past its first checks.
const QString kPlainValue = QStringLiteral("7");

}  // namespace

class TestHostileInput : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        prepareProgram();
        InputAlert::setSecondDuration(std::chrono::milliseconds(5));
        QVERIFY2(!registeredNames().isEmpty(), "no window registered");
    }
    void cleanup() { test::closeAllWindows(); }

    void pasteThenCalcola_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        int rows = 0;
        for (const QString& name : registeredNames()) {
            QWidget* w = finestre().open(name);
            if (w && buttonWithCaption(w, QStringLiteral("CALCOLA"))) {
                for (const TextField& c : textFields(w)) {
                    for (const HostileText& t : hostileTexts()) {
                        QTest::addRow("%s/%s/%s", qPrintable(name), qPrintable(c.name), t.name)
                            << name << c.name << t.text;
                        ++rows;
                    }
                }
            }
            test::closeAllWindows();
        }
        QVERIFY2(rows > 0, "no window with CALCOLA and text fields");
    }

    void pasteThenCalcola() {
        QFETCH(QString, window);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QWidget* w = test::openWindow(window);
        QVERIFY(w);
        const QList<TextField> fields = textFields(w);
        QLineEdit* target = nullptr;
        for (const TextField& c : fields) {
            if (c.name == field)
                target = c.edit;
            else
                test::paste(c.edit, kPlainValue);
        }
        QVERIFY(target);
        test::paste(target, text);

        QHash<QLineEdit*, QString> otherFields;
        for (const TextField& c : fields)
            if (c.edit != target) otherFields.insert(c.edit, c.edit->text());
        QHash<QLabel*, QString> labels;
        for (QLabel* l : w->findChildren<QLabel*>()) labels.insert(l, l->text());

        DialogWatcher watcher;
        QPointer<QWidget> alive(w);
        QTest::mouseClick(buttonWithCaption(w, QStringLiteral("CALCOLA")), Qt::LeftButton);
        QVERIFY2(alive, "the window went away");
        QTRY_VERIFY_WITH_TIMEOUT(!alertActive(w), 10000);

        QVERIFY2(watcher.seen().isEmpty(), qPrintable(watcher.seen().join(", ")));
        QVERIFY(finestre().isOpen(window));
        for (auto it = otherFields.cbegin(); it != otherFields.cend(); ++it)
            QVERIFY2(it.key()->text() == it.value(), qPrintable("field changed: " + it.key()->objectName()));

        // A label that changed shows a result: empty or a number. The
        // toroid window also echoes the picker's text as the chosen core.
        QStringList comboTexts;
        for (const QComboBox* c : w->findChildren<QComboBox*>()) comboTexts << c->currentText();
        for (auto it = labels.cbegin(); it != labels.cend(); ++it) {
            const QString shown = it.key()->text();
            if (shown == it.value() || comboTexts.contains(shown)) continue;
            QVERIFY2(isAllowedResult(shown),
                     qPrintable(QStringLiteral("%1 shows \"%2\"").arg(it.key()->objectName(), shown.left(80))));
        }
    }

    // Ctrl+A selects the whole text of every field a user types into, with
    // no beep and no change; the next digit replaces it. The paste shortcut
    // stays refused.
    void selectAllInEveryField_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("field");
        for (const QString& name : registeredNames()) {
            QWidget* w = test::openWindow(name);  // a combo box made fixed drops its editor later
            for (const TextField& c : textFields(w))
                QTest::addRow("%s/%s", qPrintable(name), qPrintable(c.name)) << name << c.name;
            test::closeAllWindows();
        }
    }
    void selectAllInEveryField() {
        QFETCH(QString, window);
        QFETCH(QString, field);
        QWidget* w = test::openWindow(window);
        QVERIFY(test::activate(w));
        QLineEdit* edit = nullptr;
        for (const TextField& c : textFields(w))
            if (c.name == field) edit = c.edit;
        QVERIFY(edit);
        QWidget* focused =
            edit->parentWidget() && qobject_cast<QComboBox*>(edit->parentWidget()) ? edit->parentWidget() : edit;
        focused->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), focused);
        edit->setText(QStringLiteral("7,1"));
        const int beeps = beepCount();
        test::pressKey(Qt::Key_A, QString(QChar(0x01)), Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("7,1"));
        QCOMPARE(edit->selectedText(), QStringLiteral("7,1"));
        test::typeToFocus(QStringLiteral("7"));
        QCOMPARE(edit->text(), QStringLiteral("7"));
        QCOMPARE(beepCount(), beeps);
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
