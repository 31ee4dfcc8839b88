#include "calculator/Calculator.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <array>

#include "app/DesignLook.h"
#include "calculator/CalculatorIcon.h"
#include "calculator/CalculatorMessage.h"
#include "calculator/ReadoutLabel.h"

namespace ombrana {
namespace {

using namespace design;

constexpr Font kWindowFont{"System", 9.75, true};
constexpr Font kClearFont{"Tahoma", 8.25, true};

// The keys; `Number` and `Operator` are control arrays, their members named
// by the array's name and their index.
constexpr std::array<Control, 19> kKeys{{
    {Kind::Button, "Number7", nullptr, 120, 600, 360, 345, "7", kWindowFont},
    {Kind::Button, "Number8", nullptr, 600, 600, 360, 345, "8", kWindowFont},
    {Kind::Button, "Number9", nullptr, 1080, 600, 360, 345, "9", kWindowFont},
    {Kind::Button, "Cancel", nullptr, 1680, 600, 360, 345, "C", kClearFont},
    {Kind::Button, "CancelEntry", nullptr, 2160, 600, 360, 345, "CE", kClearFont},
    {Kind::Button, "Number4", nullptr, 120, 1080, 345, 345, "4", kWindowFont},
    {Kind::Button, "Number5", nullptr, 600, 1080, 360, 345, "5", kWindowFont},
    {Kind::Button, "Number6", nullptr, 1080, 1080, 360, 345, "6", kWindowFont},
    {Kind::Button, "Operator1", nullptr, 1680, 1080, 360, 345, "+", kWindowFont},
    {Kind::Button, "Operator3", nullptr, 2160, 1080, 360, 345, "-", kWindowFont},
    {Kind::Button, "Number1", nullptr, 120, 1560, 360, 345, "1", kWindowFont},
    {Kind::Button, "Number2", nullptr, 600, 1560, 345, 345, "2", kWindowFont},
    {Kind::Button, "Number3", nullptr, 1080, 1560, 360, 345, "3", kWindowFont},
    {Kind::Button, "Operator2", nullptr, 1680, 1560, 360, 345, "X", kWindowFont},
    {Kind::Button, "Operator0", nullptr, 2160, 1560, 360, 345, "/", kWindowFont},
    {Kind::Button, "Number0", nullptr, 120, 2040, 840, 345, "0", kWindowFont},
    {Kind::Button, "Decimal", nullptr, 1080, 2040, 360, 345, ".", kWindowFont},
    {Kind::Button, "Operator4", nullptr, 1680, 2040, 360, 345, "=", kWindowFont},
    {Kind::Button, "Percent", nullptr, 2160, 2040, 360, 345, "%", kWindowFont},
}};

WindowDesign calculatorDesign() {
    WindowDesign d{QStringLiteral("Calcolatrice"), 2610, 2535, kBlu, WindowDesign::Placement::AtDesignPosition};
    d.border = WindowDesign::Border::Fixed;
    d.leftTwips = 240;
    d.topTwips = 1830;
    return d;
}

}  // namespace

Calculator::Calculator(QWidget* parent) : DesignedWindow(calculatorDesign(), parent) {
    setWindowIcon(calculatorIcon());
    area()->setFont(makeFont(kWindowFont, area()->font()));

    m_readout = new ReadoutLabel(area());
    m_readout->setObjectName(QStringLiteral("Readout"));
    m_readout->setFont(makeFont(kGrassetto12, area()->font()));
    m_readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_readout->setTextFormat(Qt::PlainText);
    m_readout->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_readout->setAutoFillBackground(true);
    QPalette pal = m_readout->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(static_cast<QRgb>(kGiallo)));
    pal.setColor(QPalette::WindowText, Qt::black);
    m_readout->setPalette(pal);
    place(m_readout, 120, 105, 2400, 375);

    build(kKeys);

    // Each key acts on its caption: the caption chooses the key's id.
    m_keys = new QButtonGroup(this);
    for (const Control& row : kKeys) {
        const auto key = calculatorKeyForCaption(row.text);
        if (key) m_keys->addButton(control<QAbstractButton>(row.name), static_cast<int>(*key));
    }
    connect(m_keys, &QButtonGroup::idClicked, this, &Calculator::keyClicked);

    setTabOrder({"Number0", "Number1", "Number2", "Number3", "Number4", "Number5", "Number6", "Number7", "Number8",
                 "Number9", "Cancel", "CancelEntry", "Operator1", "Operator3", "Operator2", "Operator0", "Operator4",
                 "Percent", "Decimal"});

    m_readout->setText(QString::fromStdString(m_engine.display()));
}

void Calculator::keyClicked(int id) {
    const auto outcome = m_engine.press(static_cast<CalculatorKey>(id));
    // The message comes while the display still shows the divisor.
    if (outcome == CalculatorEngine::Outcome::DivisionByZero) showDivisionByZero(this);
    m_readout->setText(QString::fromStdString(m_engine.display()));
}

}  // namespace ombrana
