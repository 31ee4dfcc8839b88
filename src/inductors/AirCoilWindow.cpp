#include "inductors/AirCoilWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/DesignLook.h"
#include "inductors/core/AirCoil.h"
#include "app/WindowNames.h"
#include "app/WindowPrinter.h"
#include "app/WindowRegistry.h"

namespace ombrana {
namespace {

using namespace design;

constexpr Font kFieldFont{"MS Sans Serif", 13.5, true};

// The heading across the top, the orange frame with the inputs and the
// result in the middle, the buttons to the right of the frame.
constexpr Control kControls[] = {
    {Kind::Label, "Label1", nullptr, 240, 360, 11430, 615, "COSTRUZIONE   INDUTTANZE   IN   ARIA", kTitolo24,
     kRosso, kTeal, Centre},
    {Kind::Frame, "Frame1", nullptr, 3000, 2280, 5895, 4335, "", {}, kDefault, kArancioChiaro},
    {Kind::Label, "Label2", "Frame1", 360, 600, 3495, 300, "Input diametro supporto   mm", kGrassetto975, kBlu,
     kDefault, Transparent},
    {Kind::Field, "Text1", "Frame1", 4080, 510, 1455, 465, "", kFieldFont, kBlu, kDefault, NoFlags,
     "Digitare il diametro del supporto in millimetri"},
    {Kind::Label, "Label6", "Frame1", 360, 1440, 3495, 300, "Input   N\u00b0 spire ", kGrassetto975, kDefault, kDefault,
     Transparent},
    {Kind::Field, "Text2", "Frame1", 4080, 1350, 1455, 465, "", kFieldFont, kBlu, kDefault, NoFlags,
     "Digitare il numero delle spire da avvolgere"},
    {Kind::Label, "Label3", "Frame1", 360, 2280, 3495, 300, "Input lunghezza bobina  mm ", kGrassetto975, kDefault,
     kDefault, Transparent},
    {Kind::Field, "Text3", "Frame1", 4080, 2190, 1455, 465, "", kFieldFont, kBlu, kDefault, NoFlags,
     "Digitare la lunghezza delle sole spire avvolte"},
    {Kind::Label, "Label4", "Frame1", 360, 3300, 3495, 300, "Totale  \u00b5Henry", kGrassetto975, kDefault, kDefault,
     Transparent},
    {Kind::Label, "Label5", "Frame1", 4080, 3210, 1455, 435, "", kGrassetto12, kBlu, kDefault, Border},
    {Kind::Button, "Command3", nullptr, 9240, 2760, 1335, 495, "CALCOLA", kGrassetto825, kDefault, kRosso},
    {Kind::Button, "Command1", nullptr, 9240, 3600, 1335, 495, "CANCELLA", kGrassetto825, kDefault, kVerde},
    {Kind::Button, "Command4", nullptr, 9240, 4440, 1335, 495, "CHIUDI", kGrassetto825, kDefault, kGiallo},
};

WindowDesign designOfAirCoil() {
    return {QStringLiteral("INDUTTANZE IN  ARIA") + spazi(58) + QStringLiteral("by QUENDAL") + spazi(25) +
                QStringLiteral("rev 1.02"),
            11910,
            8595,
            kTeal,
            WindowDesign::Placement::SystemPlaced,
            WindowDesign::Border::Fixed};
}

}  // namespace

AirCoilWindow::AirCoilWindow(QWidget* parent) : DesignedWindow(designOfAirCoil(), parent) {
    build(kControls);
    m_diameter = control<QLineEdit>("Text1");
    m_turns = control<QLineEdit>("Text2");
    m_length = control<QLineEdit>("Text3");
    m_result = control<QLabel>("Label5");
    control<QLabel>("Label1")->setAlignment(Qt::AlignCenter);
    m_result->setAlignment(Qt::AlignCenter);

    // The result stands on the system's window colour, not on the frame's.
    QPalette pal = m_result->palette();
    pal.setColor(QPalette::Window, QApplication::palette().color(QPalette::Base));
    m_result->setPalette(pal);
    m_result->setAutoFillBackground(true);

    connect(control<QPushButton>("Command3"), &QPushButton::clicked, this, &AirCoilWindow::Command3_Click);
    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this, &AirCoilWindow::Command1_Click);
    connect(control<QPushButton>("Command4"), &QPushButton::clicked, this, &QWidget::close);

    connect(addMenuEntry("calcolatrice", QStringLiteral("Calcolatrice")), &QAction::triggered, this,
            [] { finestre().open(nomi::calcolatrice); });
    connect(addMenuEntry("stampavideata", QStringLiteral("Stampa")), &QAction::triggered, this,
            [this] { stampaFinestra(this); });

    setTabOrder({"Text1", "Text2", "Text3", "Command3", "Command4", "Command1"});
}

void AirCoilWindow::Command3_Click() {
    const EsitoBobinaAria esito = calcolaBobinaAria(m_diameter->text().toStdString(), m_turns->text().toStdString(),
                                                    m_length->text().toStdString());
    switch (esito.svuota) {
        case EsitoBobinaAria::Campo::Diametro: m_diameter->clear(); break;
        case EsitoBobinaAria::Campo::Spire: m_turns->clear(); break;
        case EsitoBobinaAria::Campo::Lunghezza: m_length->clear(); break;
        case EsitoBobinaAria::Campo::Nessuno: break;
    }
    m_result->setText(QString::fromStdString(esito.risultato));
}

void AirCoilWindow::Command1_Click() {
    m_diameter->clear();
    m_turns->clear();
    m_length->clear();
    m_result->clear();
}

}  // namespace ombrana
