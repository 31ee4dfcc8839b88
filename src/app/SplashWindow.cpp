#include "app/SplashWindow.h"

#include "app/DesignLook.h"
#include "app/FramePanel.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "app/core/Version.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace ombrana {
namespace {

using namespace design;

// clang-format off
constexpr Control kControls[] = {
    {.kind = Kind::Frame, .name = "Frame1", .at = {120, 120, 7080, 4650}, .bg = kYellow},
    {.kind = Kind::Picture, .name = "imgLogo", .in = "Frame1", .at = {120, 480, 1815, 2025}, .text = "logo"},
    {.kind = Kind::Label, .name = "lblCompanyProduct", .in = "Frame1", .at = {2025, 840, 4815, 1125}, .text = "OMBRANA", .font = kArialBold48, .fg = kBlue, .bg = kYellow, .flags = Centre | AutoSize},
    {.kind = Kind::Label, .name = "Label2", .in = "Frame1", .at = {2880, 2280, 1575, 375}, .text = "QUENDAL", .font = kBalloon1575, .fg = kRed, .bg = kYellow, .flags = Centre},
    {.kind = Kind::Label, .name = "lblVersion", .in = "Frame1", .at = {5160, 2520, 1665, 285}, .text = "Versione 1.02  ", .font = kArialBold12, .fg = kBlack, .bg = kYellow, .flags = AutoSize},
    {.kind = Kind::Label, .name = "Label3", .in = "Frame1", .at = {5520, 2760, 975, 375}, .font = kBold135, .bg = kYellow},
    {.kind = Kind::Label, .name = "Label1", .in = "Frame1", .at = {720, 3480, 5655, 375}, .text = "PRIMA DI AVVIARE IL PROGRAMMA IMPOSTARE LA ", .font = kArialUnderlined1125, .fg = kRed, .bg = kYellow},
    {.kind = Kind::Label, .name = "lblWarning", .in = "Frame1", .at = {1680, 4080, 3615, 315}, .text = "RISOLUZIONE  VIDEO    800 * 600", .font = kArialUnderlined1125, .fg = kRed, .bg = kYellow, .flags = Centre},
    {.kind = Kind::Button, .name = "Command2", .in = "Frame1", .at = {120, 4080, 1335, 375}, .text = "FINE", .font = kBold975, .bg = kMagenta},
    {.kind = Kind::Button, .name = "Command1", .in = "Frame1", .at = {5640, 4080, 1335, 375}, .text = "CONTINUA", .font = kBold975, .bg = kGreen},
};
// clang-format on

// The keys that press a focused button: Enter, the keypad's Enter and the
// space bar, without a command modifier.
bool pressesButton(const QKeyEvent& key) {
    constexpr auto commandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (key.modifiers() & commandModifiers) return false;
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Space;
}

WindowDesign designOf() {
    return {.widthTwips = 7335,
            .heightTwips = 4875,
            .ground = kBlue,
            .placement = WindowDesign::Placement::Centred,
            .border = WindowDesign::Border::NoCaption,
            .fixedCaptions = true};
}

}  // namespace

QString SplashWindow::versionText() {
    return QStringLiteral("Versione %1.%2.%3").arg(version::major).arg(version::minor).arg(version::revision);
}

SplashWindow::SplashWindow(QWidget* parent) : DesignedWindow(designOf(), parent) {
    build(kControls);

    // Form_Load
    auto* version = control<QLabel>("lblVersion");
    version->setText(versionText());
    version->resize(version->sizeHint());

    // Only the panel itself answers a click; its labels and logo do not
    // pass theirs on.
    for (QLabel* label : area()->findChildren<QLabel*>()) label->setAttribute(Qt::WA_NoMousePropagation);
    connect(control<FramePanel>("Frame1"), &FramePanel::clicked, this, &QWidget::close);
    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this, &SplashWindow::continua);
    connect(control<QPushButton>("Command2"), &QPushButton::clicked, this, &SplashWindow::fine);
    setTabOrder({"Command1", "Command2"});

    // Key preview: every typed character reaches the window first.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void SplashWindow::continua() {
    // The menu opens before the splash closes, so the program keeps running.
    finestre().open(nomi::menu);
    close();
}

void SplashWindow::fine() {
    close();
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Enter or the space bar on the focused button presses it, as on any
        // desktop: "CONTINUA" with the focus promises to continue.
        if (auto* button = qobject_cast<QAbstractButton*>(watched);
            button && button->hasFocus() && pressesButton(*key)) {
            if (!key->isAutoRepeat()) button->click();
            return true;
        }
        const bool focusMove = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (!key->text().isEmpty() && !focusMove) {
            close();
            return true;
        }
    }
    return DesignedWindow::eventFilter(watched, event);
}

}  // namespace ombrana
