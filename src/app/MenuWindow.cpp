#include "app/MenuWindow.h"

#include "app/DesignLook.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"

#include <QPushButton>

namespace ombrana {
namespace {

using namespace design;

// clang-format off
constexpr Control kControls[] = {
    {.kind = Kind::Label, .name = "Label1", .at = {3720, 240, 5415, 615}, .text = "BOBINE  e  OMBRANA", .font = kBold24, .fg = kRed},
    {.kind = Kind::Frame, .name = "Frame1", .at = {4680, 1200, 3015, 6735}, .bg = kBlue},
    {.kind = Kind::Button, .name = "Command2", .in = "Frame1", .at = {240, 240, 2535, 600}, .text = " Filtro Passa Alto  a   Pi-Greco", .font = kBold975, .bg = kLightCyan},
    {.kind = Kind::Button, .name = "Command3", .in = "Frame1", .at = {240, 960, 2535, 600}, .text = " Filtro Passa Basso a   Pi-Greco", .font = kBold975, .bg = kLightCyan},
    {.kind = Kind::Button, .name = "Command4", .in = "Frame1", .at = {240, 1680, 2535, 600}, .text = "Filtro Passa Alto a   T", .font = kBold975, .bg = kLightCyan},
    {.kind = Kind::Button, .name = "Command5", .in = "Frame1", .at = {240, 2400, 2535, 600}, .text = "Filtro Passa Basso a T", .font = kBold975, .bg = kLightCyan},
    {.kind = Kind::Button, .name = "Command6", .in = "Frame1", .at = {240, 3120, 2535, 615}, .text = "Toroidi Amidon", .font = kBold975, .bg = kLightCyan},
    {.kind = Kind::Button, .name = "Command8", .in = "Frame1", .at = {240, 3840, 2535, 600}, .text = "   Filtro Passa Banda      ( esempi )", .font = kBold975, .bg = kLightCyan},
    {.kind = Kind::Button, .name = "Command9", .in = "Frame1", .at = {240, 4560, 2535, 600}, .text = "Esempi", .font = kBold975, .bg = kLightCyan},
    {.kind = Kind::Button, .name = "Command7", .in = "Frame1", .at = {240, 5280, 2535, 600}, .text = "Leggimi", .font = kBold975, .bg = kLightCyan},
    {.kind = Kind::Button, .name = "Command1", .in = "Frame1", .at = {240, 6000, 2535, 600}, .text = "CHIUDI", .font = kBold975, .bg = kLightCyan},
};
// clang-format on

// Which window each opening button shows.
struct Apertura {
    const char* button;
    const QString& window;
};

const Apertura kAperture[] = {
    {"Command2", nomi::passaAltoPiGreco}, {"Command3", nomi::passaBassoPiGreco}, {"Command4", nomi::passaAltoT},
    {"Command5", nomi::passaBassoT},      {"Command6", nomi::tabelle},           {"Command8", nomi::passabanda},
    {"Command9", nomi::esempi},           {"Command7", nomi::leggimiMenu},
};

WindowDesign designOf() {
    const QString title =
        nomi::menu + blanks(79) + QStringLiteral("by   QUENDAL") + blanks(18) + QStringLiteral("rev  1.02");
    return {.title = title, .widthTwips = 11775, .heightTwips = 8625};
}

}  // namespace

const QStringList& MenuWindow::closeOrder() {
    static const QStringList order{
        nomi::calcolatrice,
        nomi::esempi,
        nomi::induttanzaAria,
        nomi::leggimiMenu,
        nomi::leggimiToroidi,
        nomi::passaAltoT,
        nomi::passaAltoPiGreco,
        nomi::passabanda,
        nomi::passaBassoT,
        nomi::passaBassoPiGreco,
        nomi::induttanza,
        nomi::tabelle,
        nomi::menu,
        nomi::leggimiPassaAltoPiGreco,
        nomi::induttanza2,
        nomi::leggimiPassaAltoT,
        nomi::leggimiPassaBassoT,
        nomi::leggimiPassaBassoPiGreco,
    };
    return order;
}

MenuWindow::MenuWindow(QWidget* parent) : DesignedWindow(designOf(), parent) {
    build(kControls);
    for (const Apertura& a : kAperture) {
        const QString window = a.window;
        connect(control<QPushButton>(a.button), &QPushButton::clicked, this, [window] { finestre().open(window); });
    }
    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this, &MenuWindow::chiudi);
    setTabOrder(
        {"Command2", "Command3", "Command4", "Command5", "Command6", "Command8", "Command9", "Command7", "Command1"});
}

void MenuWindow::chiudi() {
    for (const QString& name : closeOrder()) finestre().close(name);
}

}  // namespace ombrana
