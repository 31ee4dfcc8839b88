#include "inductors/AirCoilWindow.h"

#include "app/DesignLook.h"
#include "app/WindowNames.h"
#include "app/WindowPrinter.h"
#include "app/WindowRegistry.h"
#include "inductors/core/AirCoil.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ombrana {
namespace {

using namespace design;

constexpr Font kFieldFont = kBold135;

// The heading across the top, the orange frame with the inputs and the
// result in the middle, the buttons to the right of the frame.
// clang-format off
constexpr Control kControls[] = {
    {.kind = Kind::Label, .name = "Label1", .at = {240, 360, 11430, 615}, .text = "COSTRUZIONE   INDUTTANZE   IN   ARIA", .font = kBold24, .fg = kRed, .bg = kTeal, .flags = Centre},
    {.kind = Kind::Frame, .name = "Frame1", .at = {3000, 2280, 5895, 4335}, .bg = kLightOrange},
    {.kind = Kind::Label, .name = "Label2", .in = "Frame1", .at = {360, 600, 3495, 300}, .text = "Input diametro supporto   mm", .font = kBold975, .fg = kBlue, .flags = Transparent},
    {.kind = Kind::Field, .name = "Text1", .in = "Frame1", .at = {4080, 510, 1455, 465}, .font = kFieldFont, .fg = kBlue, .tip = "Digitare il diametro del supporto in millimetri", .labelledBy = "Label2"},
    {.kind = Kind::Label, .name = "Label6", .in = "Frame1", .at = {360, 1440, 3495, 300}, .text = "Input   N\u00b0 spire ", .font = kBold975, .flags = Transparent},
    {.kind = Kind::Field, .name = "Text2", .in = "Frame1", .at = {4080, 1350, 1455, 465}, .font = kFieldFont, .fg = kBlue, .tip = "Digitare il numero delle spire da avvolgere", .labelledBy = "Label6"},
    {.kind = Kind::Label, .name = "Label3", .in = "Frame1", .at = {360, 2280, 3495, 300}, .text = "Input lunghezza bobina  mm ", .font = kBold975, .flags = Transparent},
    {.kind = Kind::Field, .name = "Text3", .in = "Frame1", .at = {4080, 2190, 1455, 465}, .font = kFieldFont, .fg = kBlue, .tip = "Digitare la lunghezza delle sole spire avvolte", .labelledBy = "Label3"},
    {.kind = Kind::Label, .name = "Label4", .in = "Frame1", .at = {360, 3300, 3495, 300}, .text = "Totale  \u00b5Henry", .font = kBold975, .flags = Transparent},
    {.kind = Kind::Label, .name = "Label5", .in = "Frame1", .at = {4080, 3210, 1455, 435}, .font = kBold12, .fg = kBlue, .flags = Border, .labelledBy = "Label4"},
    {.kind = Kind::Button, .name = "Command3", .at = {9240, 2760, 1335, 495}, .text = "CALCOLA", .font = kBold825, .bg = kRed},
    {.kind = Kind::Button, .name = "Command1", .at = {9240, 3600, 1335, 495}, .text = "CANCELLA", .font = kBold825, .bg = kGreen},
    {.kind = Kind::Button, .name = "Command4", .at = {9240, 4440, 1335, 495}, .text = "CHIUDI", .font = kBold825, .bg = kYellow},
};
// clang-format on

WindowDesign designOf() {
    const QString title = QStringLiteral("INDUTTANZE IN  ARIA") + blanks(58) + QStringLiteral("by QUENDAL") +
                          blanks(25) + QStringLiteral("rev 1.02");
    return {
        .title = title, .widthTwips = 11910, .heightTwips = 8595, .placement = WindowDesign::Placement::SystemPlaced};
}

}  // namespace

AirCoilWindow::AirCoilWindow(QWidget* parent) : DesignedWindow(designOf(), parent) {
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

    connect(control<QPushButton>("Command3"), &QPushButton::clicked, this, &AirCoilWindow::calcola);
    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this, &AirCoilWindow::cancella);
    connect(control<QPushButton>("Command4"), &QPushButton::clicked, this, &QWidget::close);

    connect(addMenuEntry("calcolatrice", QStringLiteral("Calcolatrice")), &QAction::triggered, this,
            [] { finestre().open(nomi::calcolatrice); });
    connect(addMenuEntry("stampavideata", QStringLiteral("Stampa")), &QAction::triggered, this,
            [this] { printWindow(this); });

    setTabOrder({"Text1", "Text2", "Text3", "Command3", "Command4", "Command1"});
}

void AirCoilWindow::calcola() {
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

void AirCoilWindow::cancella() {
    m_diameter->clear();
    m_turns->clear();
    m_length->clear();
    m_result->clear();
}

}  // namespace ombrana
