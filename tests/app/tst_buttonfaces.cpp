// Every coloured button shows its own colour, flat, across its face, in
// every window; pressing it and giving it the focus both show on the face.
#include "AllWindows.h"
#include "app/DesignLook.h"
#include "app/WindowNames.h"
#include "app/WrapButton.h"
#include "tests/support/WindowTestSupport.h"

#include <QApplication>
#include <QHash>
#include <QImage>

#include <algorithm>
#include <cmath>

using namespace ombrana;

namespace {

QImage picture(QWidget* button) {
    return button->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The colour that covers most of the picture: the face, for a button.
QColor mostOfThe(const QImage& image) {
    QHash<QRgb, int> count;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++count[image.pixel(x, y)];
    const auto most = std::max_element(count.cbegin(), count.cend());
    return most == count.cend() ? QColor() : QColor(most.key());
}

bool near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) <= 3 && std::abs(a.green() - b.green()) <= 3 &&
           std::abs(a.blue() - b.blue()) <= 3;
}

// Contrast ratio of two colours as the accessibility guidelines define it,
// from 1 (the same) to 21 (black on white).
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void addFaces() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QColor>("face");
    const auto row = [](const char* name, const QString& window, const char* button, QRgb face) {
        QTest::newRow(name) << window << QString::fromLatin1(button) << QColor(face);
    };
    row("splash FINE", nomi::splash, "Command2", 0xFF00FF);
    row("splash CONTINUA", nomi::splash, "Command1", 0x00FF00);
    row("menu filter", nomi::menu, "Command3", 0x80FFFF);
    row("menu CHIUDI", nomi::menu, "Command1", 0x80FFFF);
    row("filter CALCOLA", nomi::passaBassoPiGreco, "Command6", 0xFF0000);
    row("filter CANCELLA", nomi::passaBassoPiGreco, "Command2", 0x00FF00);
    row("filter CHIUDI", nomi::passaBassoPiGreco, "Command1", 0xFFFF00);
    row("filter INDUTTANZA", nomi::passaBassoPiGreco, "Command3", 0xFF8000);
    row("filter toroid", nomi::passaBassoPiGreco, "Command4", 0x80FFFF);
    row("filter air core", nomi::passaBassoPiGreco, "Command5", 0xFFC0FF);
    row("inductance CALCOLA", nomi::induttanza, "Command1", 0xFF0000);
    row("air coil CALCOLA", nomi::induttanzaAria, "Command3", 0xFF0000);
    row("toroids CALCOLA", nomi::tabelle, "Command2", 0xFF0000);
    row("toroids CHIUDI", nomi::tabelle, "Command5", 0xFFFF00);
    row("examples CHIUDI", nomi::esempi, "Command1", 0xFFFF00);
}

}  // namespace

class TestButtonFaces : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        prepareApplication(*qApp);
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void cleanup() { test::closeAllWindows(); }

    void faceShowsItsColour_data() { addFaces(); }
    void faceShowsItsColour() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QColor, face);
        FIND_CHILD(QPushButton, b, test::openWindow(window), button);
        const QColor painted = mostOfThe(picture(b));
        QVERIFY2(near(painted, face), qPrintable(painted.name() + " instead of " + face.name()));
    }

    void pressAndFocusShow_data() { addFaces(); }
    void pressAndFocusShow() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QColor, face);
        QWidget* w = test::openWindow(window);
        FIND_CHILD(QPushButton, b, w, button);
        b->clearFocus();
        const QImage plain = picture(b);

        b->setDown(true);
        const QColor pressed = mostOfThe(picture(b));
        b->setDown(false);
        QVERIFY2(contrast(pressed, face) > 1.3, qPrintable(pressed.name() + " pressed on " + face.name()));

        w->activateWindow();
        b->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(b->hasFocus());
        const QImage focused = picture(b);
        QCOMPARE(focused.size(), plain.size());
        // The mark is made of pixels that changed, each one standing out
        // from the face.
        int changed = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                if (focused.pixel(x, y) == plain.pixel(x, y)) continue;
                ++changed;
                const QColor mark(focused.pixel(x, y));
                QVERIFY2(contrast(mark, face) >= 3.0, qPrintable(mark.name() + " on " + face.name()));
            }
        }
        QVERIFY2(changed >= (plain.width() + plain.height()) / 2, qPrintable(QString::number(changed)));
    }

    // A caption wraps at its blanks only: on a button as wide as "Pi-Gr",
    // "Pi-Greco" draws as it would with a non-breaking hyphen, not broken
    // after "Pi-".
    void hyphenDoesNotBreak_data() {
        QTest::addColumn<QString>("caption");
        // clang-format off
        QTest::newRow("menu button") << " Filtro Passa Alto  a   Pi-Greco";
        QTest::newRow("word alone") << "Pi-Greco";
        // clang-format on
    }
    void hyphenDoesNotBreak() {
        QFETCH(QString, caption);
        QFont font = design::makeFont(design::kBold975, QApplication::font());
        const QFontMetrics metrics(font);
        if (!metrics.inFont(QChar(0x2011))) QSKIP("the font has no non-breaking hyphen");
        const QString guarded = QString(caption).replace(QLatin1Char('-'), QChar(0x2011));
        // Every word on a line of its own, and room for all the lines.
        const QSize size(metrics.horizontalAdvance(QStringLiteral("Pi-Gr")) + 8, 8 * metrics.height());
        const auto picture = [&](const QString& text) {
            WrapButton button(text);
            button.setFont(font);
            button.resize(size);
            return button.grab().toImage();
        };
        QCOMPARE(picture(caption), picture(guarded));
    }
};

QTEST_MAIN(TestButtonFaces)
#include "tst_buttonfaces.moc"
