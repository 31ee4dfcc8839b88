// What a screen reader hears, read through Qt's accessibility interface:
// every field, result and button of every window has a name.
#include "app/DesignedWindow.h"
#include "app/WindowNames.h"
#include "tests/hardening/HardeningSupport.h"
#include "tests/support/WindowTestSupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>

using namespace ombrana;
using namespace ombrana::hardening;

namespace {

// The name a screen reader is given. On Linux Qt names an editable combo box
// by its text and gives its caption as a label relation; its own name is the
// one the other platforms speak.
QString accessibleNameOf(QWidget* c) {
    if (qobject_cast<QComboBox*>(c)) return c->accessibleName();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(c);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// What a user fills, picks, reads as a result or presses.
bool needsName(QWidget* c) {
    if (qobject_cast<QComboBox*>(c) || qobject_cast<QAbstractButton*>(c)) return true;
    if (qobject_cast<QLineEdit*>(c)) return !qobject_cast<QComboBox*>(c->parentWidget());
    auto* label = qobject_cast<QLabel*>(c);
    return label && label->frameShape() == QFrame::Box;
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareProgram(); }
    void cleanup() { test::closeAllWindows(); }

    void everyControlIsNamed_data() {
        QTest::addColumn<QString>("window");
        for (const QString& n : registeredNames()) QTest::newRow(qPrintable(n)) << n;
    }
    void everyControlIsNamed() {
        QFETCH(QString, window);
        QWidget* w = test::openWindow(window);
        QVERIFY(w);
        auto* designed = qobject_cast<DesignedWindow*>(w);
        QVERIFY(designed);
        QStringList unnamed;
        for (QWidget* c : designed->area()->findChildren<QWidget*>()) {
            if (!needsName(c)) continue;
            const QString name = accessibleNameOf(c);
            if (name.isEmpty() || name != name.simplified()) unnamed << c->objectName() + ": \"" + name + "\"";
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }

    // Exact names, after typing the inputs (if any) and pressing "CALCOLA".
    void exactNames_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        const QString pb = nomi::passaBassoPiGreco;
        const QStringList none, typed{"7", "50"};
        // clang-format off
        QTest::newRow("frequency field") << pb << none << "Text1" << "Input frequenza di taglio MHz";
        QTest::newRow("C1 empty") << pb << none << "Label7" << "C1 pF";
        QTest::newRow("C1 computed") << pb << typed << "Label7" << "C1 pF 454,7";
        QTest::newRow("T caption with = glued") << nomi::passaAltoT << none << "Label11" << "C1 pF";
        QTest::newRow("spread button") << pb << none << "Command4" << "Costruzione induttanza su Toroide";
        QTest::newRow("inductance field") << nomi::induttanza << none << "Text1" << "Input pF";
        QTest::newRow("toroid picker") << nomi::tabelle << none << "cboToroidi" << "Input toroide";
        QTest::newRow("air coil turns") << nomi::induttanzaAria << none << "Text2" << QString::fromUtf8("Input N\u00b0 spire");
        QTest::newRow("times key") << nomi::calcolatrice << none << "Operator2" << "per";
        QTest::newRow("calculator display") << nomi::calcolatrice << none << "Readout" << "Display 0,";
        // clang-format on
    }
    void exactNames() {
        QFETCH(QString, window);
        QFETCH(QStringList, inputs);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QWidget* w = test::openWindow(window);
        QVERIFY(w);
        if (!inputs.isEmpty()) {
            FIND_CHILD(QLineEdit, first, w, "Text1");
            FIND_CHILD(QLineEdit, second, w, "Text2");
            test::paste(first, inputs[0]);
            test::paste(second, inputs[1]);
            QTest::mouseClick(buttonWithCaption(w, QStringLiteral("CALCOLA")), Qt::LeftButton);
        }
        FIND_CHILD(QWidget, c, w, control);
        QCOMPARE(accessibleNameOf(c), name);
        // A field's caption is also its label for the screen reader.
        if (qobject_cast<QLineEdit*>(c) || qobject_cast<QComboBox*>(c)) {
            const auto labels = QAccessible::queryAccessibleInterface(c)->relations(QAccessible::Label);
            QVERIFY(!labels.isEmpty());
            QVERIFY(qobject_cast<QLabel*>(labels.first().first->object()));
        }
    }

    // The banner is an alert to a screen reader, named by its caption.
    void alertBannerIsAnAlert() {
        QWidget* w = test::openWindow(nomi::passaBassoPiGreco);
        QVERIFY(w);
        FIND_CHILD(QLabel, label, w, "Label13");
        QAccessibleInterface* banner = QAccessible::queryAccessibleInterface(label);
        QVERIFY(banner);
        QCOMPARE(banner->role(), QAccessible::AlertMessage);
        QCOMPARE(banner->text(QAccessible::Name), QStringLiteral("LA FREQUENZA MASSIMA INSERIBILE E' DI 300 MHz"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
