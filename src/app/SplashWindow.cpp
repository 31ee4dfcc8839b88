#include "app/SplashWindow.h"

#include "app/DesignLook.h"
#include "app/FramePanel.h"
#include "app/core/Version.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace ombrana {
namespace {

using namespace design;

constexpr Font kArial12{"Arial", 12, true};
constexpr Font kArialUnderlined{"Arial", 11.25, true, true};

constexpr Control kControls[] = {
    {Kind::Frame, "Frame1", nullptr, 120, 120, 7080, 4650, "", {}, kDefault, kGiallo},
    {Kind::Picture, "imgLogo", "Frame1", 120, 480, 1815, 2025, ":/images/logo.jpg"},
    {Kind::Label, "lblCompanyProduct", "Frame1", 2025, 840, 4815, 1125, "OMBRANA", {"Arial", 48, true}, kBlu, kGiallo, Centre | AutoSize},
    {Kind::Label, "Label2", "Frame1", 2880, 2280, 1575, 375, "QUENDAL", {"Balloon", 15.75, false}, kRosso, kGiallo, Centre},
    {Kind::Label, "lblVersion", "Frame1", 5160, 2520, 1665, 285, "Versione 1.02  ", kArial12, kNero, kGiallo, AutoSize},
    {Kind::Label, "Label3", "Frame1", 5520, 2760, 975, 375, "", {"MS Sans Serif", 13.5, true}, kDefault, kGiallo},
    {Kind::Label, "Label1", "Frame1", 720, 3480, 5655, 375, "PRIMA DI AVVIARE IL PROGRAMMA IMPOSTARE LA ", kArialUnderlined, kRosso, kGiallo},
    {Kind::Label, "lblWarning", "Frame1", 1680, 4080, 3615, 315, "RISOLUZIONE  VIDEO    800 * 600", kArialUnderlined, kRosso, kGiallo, Centre},
    {Kind::Button, "Command2", "Frame1", 120, 4080, 1335, 375, "FINE", kGrassetto975, kDefault, 0xFF00FF},
    {Kind::Button, "Command1", "Frame1", 5640, 4080, 1335, 375, "CONTINUA", kGrassetto975, kDefault, kVerde},
};

WindowDesign splashDesign() {
    return {QString(), 7335, 4875, kBlu, WindowDesign::Placement::Centred, WindowDesign::Border::NoCaption};
}

}  // namespace

QString SplashWindow::testoVersione() {
    return QStringLiteral("Versione %1.%2.%3").arg(versione::major).arg(versione::minor).arg(versione::revisione);
}

SplashWindow::SplashWindow(QWidget* parent) : DesignedWindow(splashDesign(), parent) {
    build(kControls);

    // Form_Load
    auto* version = control<QLabel>("lblVersion");
    version->setText(testoVersione());
    version->resize(version->sizeHint());

    // Only the panel itself answers a click; its labels and logo do not
    // pass theirs on.
    for (QLabel* label : area()->findChildren<QLabel*>()) label->setAttribute(Qt::WA_NoMousePropagation);
    connect(control<FramePanel>("Frame1"), &FramePanel::clicked, this, &QWidget::close);
    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this, &SplashWindow::Command1_Click);
    connect(control<QPushButton>("Command2"), &QPushButton::clicked, this, &SplashWindow::Command2_Click);
    setTabOrder({"Command1", "Command2"});

    // Key preview: every typed character reaches the window first.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void SplashWindow::Command1_Click() {
    // The menu opens before the splash closes, so the program keeps running.
    finestre().open(nomi::menu);
    close();
}

void SplashWindow::Command2_Click() { close(); }

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool focusMove = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (!key->text().isEmpty() && !focusMove) {
            close();
            return true;
        }
    }
    return DesignedWindow::eventFilter(watched, event);
}

}  // namespace ombrana
