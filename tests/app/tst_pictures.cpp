#include "app/Pictures.h"

#include <QTest>

using namespace ombrana;

// The pixels the build compiled in are those of the picture's file, decoded
// here the ordinary way.
class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void samePixelsAsItsFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        // clang-format off
        QTest::newRow("logo") << "logo" << "images/logo.jpg";
        // clang-format on
    }
    void samePixelsAsItsFile() {
        QFETCH(QString, name);
        QFETCH(QString, file);
        const QImage decoded(QStringLiteral(OMBRANA_RESOURCES_DIR "/") + file);
        QVERIFY2(!decoded.isNull(), qPrintable(file));
        const QImage compiled = pictures::image(name.toStdString());
        QCOMPARE(compiled.size(), decoded.size());
        QCOMPARE(compiled, decoded.convertToFormat(compiled.format()));
    }

    void unknownNameGivesNoPicture() {
        QVERIFY(pictures::image("logo.jpg").isNull());
        QVERIFY(pictures::image("").isNull());
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
