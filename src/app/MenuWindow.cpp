#include "app/MenuWindow.h"

#include "app/DesignLook.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"

#include <QPushButton>

namespace ombrana {
namespace {

using namespace design;


constexpr Control kControls[] = {
    {Kind::Label, "Label1", nullptr, 3720, 240, 5415, 615, "BOBINE  e  OMBRANA", {"MS Sans Serif", 24, true}, kRosso},
    {Kind::Frame, "Frame1", nullptr, 4680, 1200, 3015, 6735, "", {}, kDefault, kBlu},
    {Kind::Button, "Command2", "Frame1", 240, 240, 2535, 600, " Filtro Passa Alto  a   Pi-Greco", kGrassetto975, kDefault, kCiano},
    {Kind::Button, "Command3", "Frame1", 240, 960, 2535, 600, " Filtro Passa Basso a   Pi-Greco", kGrassetto975, kDefault, kCiano},
    {Kind::Button, "Command4", "Frame1", 240, 1680, 2535, 600, "Filtro Passa Alto a   T", kGrassetto975, kDefault, kCiano},
    {Kind::Button, "Command5", "Frame1", 240, 2400, 2535, 600, "Filtro Passa Basso a T", kGrassetto975, kDefault, kCiano},
    {Kind::Button, "Command6", "Frame1", 240, 3120, 2535, 615, "Toroidi Amidon", kGrassetto975, kDefault, kCiano},
    {Kind::Button, "Command8", "Frame1", 240, 3840, 2535, 600, "   Filtro Passa Banda      ( esempi )", kGrassetto975, kDefault, kCiano},
    {Kind::Button, "Command9", "Frame1", 240, 4560, 2535, 600, "Esempi", kGrassetto975, kDefault, kCiano},
    {Kind::Button, "Command7", "Frame1", 240, 5280, 2535, 600, "Leggimi", kGrassetto975, kDefault, kCiano},
    {Kind::Button, "Command1", "Frame1", 240, 6000, 2535, 600, "CHIUDI", kGrassetto975, kDefault, kCiano},
};

// Which window each opening button shows. Three of them carry on as if
// nothing happened when their window fails to open.
struct Apertura {
    const char* button;
    const QString& window;
    bool ignoraErrori;
};

const Apertura kAperture[] = {
    {"Command2", nomi::passaAltoPiGreco, false}, {"Command3", nomi::passaBassoPiGreco, false},
    {"Command4", nomi::passaAltoT, false},       {"Command5", nomi::passaBassoT, false},
    {"Command6", nomi::tabelle, true},           {"Command8", nomi::passabanda, false},
    {"Command9", nomi::esempi, true},            {"Command7", nomi::leggimiMenu, true},
};

void apri(const QString& window, bool ignoraErrori) {
    if (!ignoraErrori) {
        finestre().open(window);
        return;
    }
    try {
        finestre().open(window);
    } catch (...) {
    }
}

WindowDesign menuDesign() {
    const QString title = nomi::menu + spazi(79) + QStringLiteral("by   QUENDAL") + spazi(18) + QStringLiteral("rev  1.02");
    return {title, 11775, 8625, kTeal, WindowDesign::Placement::Maximised};
}

}  // namespace

const QStringList& MenuWindow::ordineChiusura() {
    static const QStringList order{
        nomi::calcolatrice,   nomi::esempi,      nomi::induttanzaAria, nomi::leggimiMenu, nomi::leggimiToroidi,
        nomi::passaAltoT,     nomi::passaAltoPiGreco, nomi::passabanda,   nomi::passaBassoT, nomi::passaBassoPiGreco,
        nomi::induttanza,     nomi::tabelle,     nomi::menu,           nomi::leggimiPassaAltoPiGreco,
        nomi::induttanza2,    nomi::leggimiPassaAltoT, nomi::leggimiPassaBassoT, nomi::leggimiPassaBassoPiGreco,
    };
    return order;
}

MenuWindow::MenuWindow(QWidget* parent) : DesignedWindow(menuDesign(), parent) {
    build(kControls);
    for (const Apertura& a : kAperture) {
        const QString window = a.window;
        const bool ignora = a.ignoraErrori;
        connect(control<QPushButton>(a.button), &QPushButton::clicked, this, [window, ignora] { apri(window, ignora); });
    }
    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this, &MenuWindow::Command1_Click);
    setTabOrder({"Command2", "Command3", "Command4", "Command5", "Command6", "Command8", "Command9", "Command7", "Command1"});
}

void MenuWindow::Command1_Click() {
    for (const QString& name : ordineChiusura()) finestre().close(name);
}

}  // namespace ombrana
