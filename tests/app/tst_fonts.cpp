#include "app/DesignLook.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

using namespace ombrana;

// Each family the windows name is a face installed with the program, the
// look-alike of the design's: Qt finds it among the installed families at
// its first lookup, without a search through fontconfig's fallbacks, and
// shows it in the weight asked. (Start-up's substitutes for a machine
// without it: tst_startup.)
class TestFonts : public QObject {
    Q_OBJECT
private slots:
    void designFamilyIsInstalled_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("face");
        // clang-format off
        QTest::newRow("MS Sans Serif")      << design::kMsSansSerif << false << "Liberation Sans";
        QTest::newRow("MS Sans Serif bold") << design::kMsSansSerif << true  << "Liberation Sans";
        QTest::newRow("Arial")              << design::kArial       << false << "Liberation Sans";
        QTest::newRow("Arial bold")         << design::kArial       << true  << "Liberation Sans";
        QTest::newRow("Tahoma bold")        << design::kTahoma      << true  << "Liberation Sans";
        QTest::newRow("System bold")        << design::kSystem      << true  << "Liberation Sans";
        QTest::newRow("Balloon")            << design::kBalloon     << false << "Comic Neue";
        // clang-format on
    }
    void designFamilyIsInstalled() {
        QFETCH(QString, family);
        QFETCH(bool, bold);
        QFETCH(QString, face);
        QVERIFY2(QFontDatabase::families().contains(family),
                 qPrintable(family + QStringLiteral(" is not an installed family")));
        QVERIFY(QFontDatabase::styles(family).contains(bold ? QStringLiteral("Bold") : QStringLiteral("Regular")));

        QFont font(family);
        font.setPixelSize(21);
        font.setBold(bold);
        const QFontInfo shown(font);
        QCOMPARE(shown.family(), face);
        QCOMPARE(shown.family(), font.family());
        QCOMPARE(shown.bold(), bold);
    }
};

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
