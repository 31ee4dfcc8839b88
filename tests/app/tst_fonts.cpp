#include "app/DesignLook.h"
#include "app/Fonts.h"

#include <QFontInfo>
#include <QLoggingCategory>
#include <QtTest>

using namespace ombrana;

namespace {

// Qt's own account of its font matching, caught while a font is loaded.
QStringList g_matchNotes;
QtMessageHandler g_previous = nullptr;

void catchMatchNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (context.category && qstrcmp(context.category, "qt.text.font.match") == 0)
        g_matchNotes << message;
    else
        g_previous(type, context, message);
}

}  // namespace

// Each family of the design is shown in its look-alike face, keeps its own
// name, and is found at Qt's first lookup, without a search through
// fontconfig's fallbacks.
class TestFonts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }

    void designFamilyFoundAtOnce_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("face");
        // clang-format off
        QTest::newRow("MS Sans Serif")      << design::kMsSansSerif << false << "Liberation Sans";
        QTest::newRow("MS Sans Serif bold") << design::kMsSansSerif << true  << "Liberation Sans";
        QTest::newRow("Arial")              << design::kArial       << false << "Liberation Sans";
        QTest::newRow("Arial bold")         << design::kArial       << true  << "Liberation Sans";
        QTest::newRow("Tahoma")             << design::kTahoma      << false << "Liberation Sans";
        QTest::newRow("System")             << design::kSystem      << true  << "Liberation Sans";
        QTest::newRow("Balloon")            << design::kBalloon     << false << "Comic Neue";
        // clang-format on
    }
    void designFamilyFoundAtOnce() {
        QFETCH(QString, family);
        QFETCH(bool, bold);
        QFETCH(QString, face);

        // A size no other row asks for, so that Qt matches the font afresh.
        static int pixels = 31;
        QFont font(family);
        font.setPixelSize(++pixels);
        font.setBold(bold);

        g_matchNotes.clear();
        QLoggingCategory::setFilterRules(QStringLiteral("qt.text.font.match.debug=true"));
        g_previous = qInstallMessageHandler(catchMatchNotes);
        const QFontInfo shown(font);
        const QString shownFamily = shown.family();
        qInstallMessageHandler(g_previous);
        QLoggingCategory::setFilterRules(QStringLiteral("qt.text.font.match.debug=false"));

        QCOMPARE(shownFamily, face);
        QCOMPARE(shown.bold(), bold);
        QCOMPARE(font.family(), family);
        QVERIFY2(!g_matchNotes.isEmpty(), "Qt matched the font without a word: the check below would prove nothing");
        QVERIFY2(!g_matchNotes.join(QLatin1Char('\n')).contains(QStringLiteral("NO MATCH FOUND")),
                 qPrintable(g_matchNotes.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
