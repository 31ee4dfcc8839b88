// The style beneath sees one palette object for each set of colours, for
// every kind of drawing, and the caller's option keeps its own palette.
#include "app/SteadyPaletteStyle.h"

#include <QApplication>
#include <QCommonStyle>
#include <QPainter>
#include <QStyleOptionComplex>
#include <QTest>

using namespace ombrana;

namespace {

// Notes the identity of the palette it is handed.
class PaletteRecorder : public QCommonStyle {
public:
    mutable QList<qint64> seen;
    void drawPrimitive(PrimitiveElement, const QStyleOption* option, QPainter*, const QWidget*) const override {
        seen << option->palette.cacheKey();
    }
    void drawControl(ControlElement, const QStyleOption* option, QPainter*, const QWidget*) const override {
        seen << option->palette.cacheKey();
    }
    void drawComplexControl(ComplexControl, const QStyleOptionComplex* option, QPainter*,
                            const QWidget*) const override {
        seen << option->palette.cacheKey();
    }
    int styleHint(StyleHint, const QStyleOption* = nullptr, const QWidget* = nullptr,
                  QStyleHintReturn* = nullptr) const override {
        return 0;
    }
};

enum class Drawing { Primitive, Control, ComplexControl };

QPalette withButton(QRgb colour) {
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, QColor(colour));  // a fresh identity every time
    return palette;
}

}  // namespace

Q_DECLARE_METATYPE(Drawing)

class TestSteadyPaletteStyle : public QObject {
    Q_OBJECT
private slots:
    // A lone Alt press leads into the menu bar whatever the style beneath
    // says.
    void altLeadsIntoTheMenuBar() {
        auto* recorder = new PaletteRecorder;
        QCOMPARE(recorder->styleHint(QStyle::SH_MenuBar_AltKeyNavigation), 0);
        SteadyPaletteStyle style(recorder);
        QCOMPARE(style.styleHint(QStyle::SH_MenuBar_AltKeyNavigation), 1);
    }

    void samePaletteForEqualColours_data() {
        QTest::addColumn<Drawing>("drawing");
        // clang-format off
        QTest::newRow("primitive") << Drawing::Primitive;
        QTest::newRow("control") << Drawing::Control;
        QTest::newRow("complex control") << Drawing::ComplexControl;
        // clang-format on
    }
    void samePaletteForEqualColours() {
        QFETCH(Drawing, drawing);
        auto* recorder = new PaletteRecorder;
        SteadyPaletteStyle style(recorder);
        QImage image(4, 4, QImage::Format_RGB32);
        QPainter painter(&image);
        const auto draw = [&](const QPalette& palette) {
            QStyleOptionComplex option;
            option.palette = palette;
            switch (drawing) {
                case Drawing::Primitive: style.drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter); break;
                case Drawing::Control: style.drawControl(QStyle::CE_PushButton, &option, &painter); break;
                case Drawing::ComplexControl: style.drawComplexControl(QStyle::CC_ComboBox, &option, &painter); break;
            }
            QCOMPARE(option.palette.cacheKey(), palette.cacheKey());
        };
        const QPalette red = withButton(0xFF0000), sameRed = withButton(0xFF0000), green = withButton(0x00FF00);
        QVERIFY(red.cacheKey() != sameRed.cacheKey());
        draw(red);
        draw(sameRed);
        draw(green);
        QCOMPARE(recorder->seen.size(), 3);
        QCOMPARE(recorder->seen[1], recorder->seen[0]);
        QVERIFY(recorder->seen[2] != recorder->seen[0]);
    }

    // Palettes that differ in one colour of one group only, the inactive
    // group included, stay two palettes for the style beneath.
    void groupsKeptApart_data() {
        QTest::addColumn<int>("group");
        // clang-format off
        QTest::newRow("active") << int(QPalette::Active);
        QTest::newRow("inactive") << int(QPalette::Inactive);
        QTest::newRow("disabled") << int(QPalette::Disabled);
        // clang-format on
    }
    void groupsKeptApart() {
        QFETCH(int, group);
        auto* recorder = new PaletteRecorder;
        SteadyPaletteStyle style(recorder);
        QImage image(4, 4, QImage::Format_RGB32);
        QPainter painter(&image);
        QPalette one = withButton(0x123456);
        QPalette other = withButton(0x123456);
        one.setColor(QPalette::ColorGroup(group), QPalette::Highlight, QColor(0x112233));
        other.setColor(QPalette::ColorGroup(group), QPalette::Highlight, QColor(0x112234));
        for (const QPalette* palette : {&one, &other}) {
            QStyleOption option;
            option.palette = *palette;
            style.drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter);
        }
        QCOMPARE(recorder->seen.size(), 2);
        QVERIFY(recorder->seen[0] != recorder->seen[1]);
    }
};

QTEST_MAIN(TestSteadyPaletteStyle)
#include "tst_steadypalettestyle.moc"
