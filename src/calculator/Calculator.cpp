#include "calculator/Calculator.h"

#include "app/AccessibleNames.h"
#include "app/DesignLook.h"
#include "calculator/CalculatorIcon.h"
#include "calculator/CalculatorMessage.h"
#include "calculator/ReadoutLabel.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

#include <array>

namespace ombrana {
namespace {

using namespace design;

constexpr Font kWindowFont = kSystemBold975;
constexpr Font kClearFont = kTahomaBold825;

// The keys; `Number` and `Operator` are control arrays, their members named
// by the array's name and their index.
// clang-format off
constexpr std::array<Control, 19> kKeys{{
    {.kind = Kind::Button, .name = "Number7", .at = {120, 600, 360, 345}, .text = "7", .font = kWindowFont},
    {.kind = Kind::Button, .name = "Number8", .at = {600, 600, 360, 345}, .text = "8", .font = kWindowFont},
    {.kind = Kind::Button, .name = "Number9", .at = {1080, 600, 360, 345}, .text = "9", .font = kWindowFont},
    {.kind = Kind::Button, .name = "Cancel", .at = {1680, 600, 360, 345}, .text = "C", .font = kClearFont},
    {.kind = Kind::Button, .name = "CancelEntry", .at = {2160, 600, 360, 345}, .text = "CE", .font = kClearFont},
    {.kind = Kind::Button, .name = "Number4", .at = {120, 1080, 345, 345}, .text = "4", .font = kWindowFont},
    {.kind = Kind::Button, .name = "Number5", .at = {600, 1080, 360, 345}, .text = "5", .font = kWindowFont},
    {.kind = Kind::Button, .name = "Number6", .at = {1080, 1080, 360, 345}, .text = "6", .font = kWindowFont},
    {.kind = Kind::Button, .name = "Operator1", .at = {1680, 1080, 360, 345}, .text = "+", .font = kWindowFont},
    {.kind = Kind::Button, .name = "Operator3", .at = {2160, 1080, 360, 345}, .text = "-", .font = kWindowFont},
    {.kind = Kind::Button, .name = "Number1", .at = {120, 1560, 360, 345}, .text = "1", .font = kWindowFont},
    {.kind = Kind::Button, .name = "Number2", .at = {600, 1560, 345, 345}, .text = "2", .font = kWindowFont},
    {.kind = Kind::Button, .name = "Number3", .at = {1080, 1560, 360, 345}, .text = "3", .font = kWindowFont},
    {.kind = Kind::Button, .name = "Operator2", .at = {1680, 1560, 360, 345}, .text = "X", .font = kWindowFont},
    {.kind = Kind::Button, .name = "Operator0", .at = {2160, 1560, 360, 345}, .text = "/", .font = kWindowFont},
    {.kind = Kind::Button, .name = "Number0", .at = {120, 2040, 840, 345}, .text = "0", .font = kWindowFont},
    {.kind = Kind::Button, .name = "Decimal", .at = {1080, 2040, 360, 345}, .text = ".", .font = kWindowFont},
    {.kind = Kind::Button, .name = "Operator4", .at = {1680, 2040, 360, 345}, .text = "=", .font = kWindowFont},
    {.kind = Kind::Button, .name = "Percent", .at = {2160, 2040, 360, 345}, .text = "%", .font = kWindowFont},
}};
// clang-format on

// What a screen reader says for the keys whose captions are signs; the
// digits say themselves.
struct SpokenKey {
    const char* name;
    const char* spoken;
};
// clang-format off
constexpr SpokenKey kSpokenKeys[] = {
    {.name = "Cancel", .spoken = "cancella"},
    {.name = "CancelEntry", .spoken = "cancella voce"},
    {.name = "Operator1", .spoken = "pi\u00f9"},
    {.name = "Operator3", .spoken = "meno"},
    {.name = "Operator2", .spoken = "per"},
    {.name = "Operator0", .spoken = "diviso"},
    {.name = "Operator4", .spoken = "uguale"},
    {.name = "Percent", .spoken = "percento"},
    {.name = "Decimal", .spoken = "virgola"},
};
// clang-format on

WindowDesign designOf() {
    return {.title = QStringLiteral("Calcolatrice"),
            .widthTwips = 2610,
            .heightTwips = 2535,
            .ground = kBlue,
            .placement = WindowDesign::Placement::AtDesignPosition,
            .leftTwips = 240,
            .topTwips = 1830};
}

}  // namespace

Calculator::Calculator(QWidget* parent) : DesignedWindow(designOf(), parent) {
    setWindowIcon(calculatorIcon());
    area()->setFont(makeFont(kWindowFont, area()->font()));

    m_readout = new ReadoutLabel(area());
    m_readout->setObjectName(QStringLiteral("Readout"));
    m_readout->setFont(makeFont(kBold12, area()->font()));
    m_readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_readout->setTextFormat(Qt::PlainText);
    m_readout->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_readout->setAutoFillBackground(true);
    QPalette pal = m_readout->palette();
    pal.setColor(QPalette::Window, colour(kYellow));
    pal.setColor(QPalette::WindowText, colour(kBlack));
    m_readout->setPalette(pal);
    place(m_readout, {120, 105, 2400, 375});

    build(kKeys);
    for (const SpokenKey& key : kSpokenKeys) control(key.name)->setAccessibleName(QString::fromUtf8(key.spoken));
    nameResult(m_readout, QStringLiteral("Display"));

    // Each key acts on its caption: the caption chooses the key's id.
    m_keys = new QButtonGroup(this);
    for (const Control& row : kKeys) {
        const auto key = calculatorKeyForCaption(row.text);
        if (key) m_keys->addButton(control<QAbstractButton>(row.name), static_cast<int>(*key));
    }
    connect(m_keys, &QButtonGroup::idClicked, this, &Calculator::keyClicked);

    // Each key lets go of its pressed look a moment after a key of the
    // keyboard pressed it.
    for (QAbstractButton* button : m_keys->buttons()) {
        auto* release = new QTimer(button);
        release->setObjectName(QStringLiteral("rilascio"));
        release->setSingleShot(true);
        release->setInterval(kShownPressedMs);
        connect(release, &QTimer::timeout, button, [button] { button->setDown(false); });
    }

    // The keyboard reaches the window through whichever of its controls has
    // the focus: every control, and the window itself, pass key presses on.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);

    setTabOrder({"Number0", "Number1", "Number2", "Number3", "Number4", "Number5", "Number6", "Number7", "Number8",
                 "Number9", "Cancel", "CancelEntry", "Operator1", "Operator3", "Operator2", "Operator0", "Operator4",
                 "Percent", "Decimal"});

    m_readout->setText(QString::fromStdString(m_engine.display()));
}

std::optional<CalculatorKey> Calculator::keyForKeyPress(const QKeyEvent& event) {
    constexpr auto commandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event.modifiers() & commandModifiers) return std::nullopt;
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return CalculatorKey::Equals;
        case Qt::Key_Escape: return CalculatorKey::Cancel;
        case Qt::Key_Delete: return CalculatorKey::CancelEntry;  // X11 gives it the text U+007F
        default: break;
    }
    // The character typed decides, so that any keyboard layout works; a
    // key event without text is read by its key code.
    QChar c;
    if (event.text().size() == 1)
        c = event.text().at(0);
    else if (event.text().isEmpty() && event.key() >= Qt::Key_Space && event.key() <= Qt::Key_AsciiTilde)
        c = QChar(event.key());
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return static_cast<CalculatorKey>(static_cast<int>(CalculatorKey::Digit0) + (c.unicode() - '0'));
    switch (c.unicode()) {
        case ',':
        case '.': return CalculatorKey::Decimal;
        case '+': return CalculatorKey::Plus;
        case '-': return CalculatorKey::Minus;
        case '*':
        case 'x':
        case 'X': return CalculatorKey::Times;
        case '/': return CalculatorKey::Divide;
        case '%': return CalculatorKey::Percent;
        case '=': return CalculatorKey::Equals;
        default: return std::nullopt;
    }
}

bool Calculator::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto key = keyForKeyPress(*static_cast<QKeyEvent*>(event));
        QAbstractButton* button = key ? m_keys->button(static_cast<int>(*key)) : nullptr;
        if (button) {
            pressFromKeyboard(button);
            return true;  // the focused control does not act on it too
        }
    }
    return DesignedWindow::eventFilter(watched, event);
}

void Calculator::pressFromKeyboard(QAbstractButton* button) {
    // One key press, one click, at once and in the order typed, as the
    // mouse gives it (animateClick would click only when its timer ends,
    // and a key typed twice within that time would click once).
    QPointer<QAbstractButton> guard(button);
    button->click();
    if (!guard) return;
    button->setDown(true);
    if (auto* release = button->findChild<QTimer*>(QStringLiteral("rilascio"), Qt::FindDirectChildrenOnly))
        release->start();
}

void Calculator::keyClicked(int id) {
    const auto outcome = m_engine.press(static_cast<CalculatorKey>(id));
    // The message comes while the display still shows the divisor.
    if (outcome == CalculatorEngine::Outcome::DivisionByZero) showDivisionByZero(this);
    m_readout->setText(QString::fromStdString(m_engine.display()));
}

}  // namespace ombrana
