#include "filters/FilterWindow.h"

#include "app/DesignLook.h"
#include "filters/core/FilterCalculation.h"
#include "app/InputAlert.h"
#include "app/WindowNames.h"
#include "app/WindowPrinter.h"
#include "app/WindowRegistry.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <vector>

namespace ombrana {
namespace {

using namespace design;


std::vector<Control> controlsOf(const FilterVariant& v) {
    const int frameCaption = v.passaBasso ? kBianco : kGiallo;
    const char* frequencyTip = v.passaBasso ? "Digitare la massima frequenza transitabile nel filtro"
                                            : "Digitare la minima frequenza transitabile nel filtro";
    return {
        {Kind::Label, "Label1", nullptr, 2400, 120, 7095, 495, v.heading, kTitolo24, kRosso, kTeal, v.headingLeft ? NoFlags : Centre},
        {Kind::Frame, "Frame2", nullptr, 3840, 1080, 4215, 3015, v.frameCaption, kGrassetto825, frameCaption, kBluNotte},
        {Kind::Label, v.c1Caption, "Frame2", 120, 2640, 795, 255, v.c1CaptionText, kGrassetto825, kBianco, kDefault, Transparent},
        {Kind::Label, v.c1Result, "Frame2", 960, 2610, 855, 255, "", kGrassetto975, kNero, kBianco, Border},
        {Kind::Label, v.l1Caption, "Frame2", 2040, 2640, 795, 255, "L1 = \u00b5H", kGrassetto825, kBianco, kDefault, Transparent},
        {Kind::Label, v.l1Result, "Frame2", 2880, 2610, 855, 255, "", kGrassetto975, kNero, kBianco, Border},
        {Kind::Frame, "Frame1", nullptr, 3120, 4440, 5655, 1695, "", {}, kDefault, kArancioChiaro},
        {Kind::Label, "Label2", "Frame1", 240, 420, 4100, 255, v.frequencyCaption, kGrassetto975, kBluScuro, kDefault, Transparent},
        {Kind::Label, "Label3", "Frame1", 240, 1020, 4100, 255, v.impedanceCaption, kGrassetto975, kBluScuro, kDefault, Transparent},
        {Kind::Field, "Text1", "Frame1", 4440, 360, 975, 360, "", {"MS Sans Serif", 12, true}, kDefault, kDefault, NoFlags, frequencyTip},
        {Kind::Field, "Text2", "Frame1", 4440, 960, 975, 360, "", {"MS Sans Serif", 12, true}, kDefault, kDefault, NoFlags, v.impedanceTip},
        {Kind::Button, "Command4", nullptr, 8520, 1080, 2415, 615, "Costruzione   induttanza su Toroide", kGrassetto975, kDefault, kCiano, NoFlags, v.toroidTip},
        {Kind::Button, "Command5", nullptr, 8520, 2040, 2415, 615, v.airButton, kGrassetto975, kDefault, 0xFFC0FF, NoFlags, "Passa al calcolo di induttanza in aria"},
        {Kind::Button, "Command3", nullptr, 9120, 3000, 1335, 375, "INDUTTANZA", kGrassetto825, kDefault, 0xFF8000, NoFlags, "Passa al calcolo della nuova INDUTTANZA con capacit\u00e0 standard"},
        {Kind::Button, "Command6", nullptr, 9120, 4560, 1095, 375, "CALCOLA", kGrassetto825, kDefault, kRosso},
        {Kind::Button, v.cancella, nullptr, 9120, 5160, 1095, 375, "CANCELLA", kGrassetto825, kDefault, kVerde},
        {Kind::Button, v.chiudi, nullptr, 9120, 5760, 1095, 375, "CHIUDI", kGrassetto825, kDefault, kGiallo, NoFlags, "Passa al men\u00f9"},
        {Kind::Label, "Label13", nullptr, 2400, 6240, 7095, 1215, "LA  FREQUENZA  MASSIMA  INSERIBILE  E'  DI  300  MHz", kTitolo24, kBianco, kBlu, Hidden | Centre | WordWrap},
    };
}

WindowDesign designOf(const FilterVariant& v) {
    return {v.title, 11910, v.heightTwips, kTeal, WindowDesign::Placement::Maximised, v.border};
}

}  // namespace

FilterWindow::FilterWindow(const FilterVariant& variant, QWidget* parent)
    : DesignedWindow(designOf(variant), parent), m_v(variant) {
    build(controlsOf(m_v));
    m_frequency = control<QLineEdit>("Text1");
    m_impedance = control<QLineEdit>("Text2");
    m_c1 = control<QLabel>(m_v.c1Result);
    m_l1 = control<QLabel>(m_v.l1Result);
    control<QLabel>("Label13")->setAlignment(Qt::AlignCenter);

    // The cell, drawn above the row of results.
    auto* drawing = new CellDrawing(m_v.cell, CellStyle{}, CellOptions{}, control("Frame2"));
    drawing->setObjectName(QStringLiteral("cella"));
    place(drawing, 60, 240, 4095, 2280);
    drawing->lower();

    m_alert = new InputAlert({control<QLabel>("Label13"), 5, {m_frequency}, {m_c1, m_l1}}, this);
    m_alert->setObjectName(QString::fromLatin1(m_v.alertName));

    const auto onClick = [this](const char* name, auto slot) {
        connect(control<QPushButton>(name), &QPushButton::clicked, this, slot);
    };
    onClick("Command6", &FilterWindow::Command6_Click);
    onClick(m_v.cancella, &FilterWindow::cancella);
    onClick(m_v.chiudi, &FilterWindow::chiudi);
    const auto opens = [this](const char* button, const QString& window) {
        connect(control<QPushButton>(button), &QPushButton::clicked, this, [window] { finestre().open(window); });
    };
    opens("Command3", m_v.inductanceWindow);
    opens("Command4", nomi::tabelle);
    opens("Command5", nomi::induttanzaAria);

    const QString readme = m_v.readmeWindow;
    connect(addMenuEntry("leggimi", QStringLiteral("Leggimi")), &QAction::triggered, this, [readme] { finestre().open(readme); });
    connect(addMenuEntry("calcolatrice", QStringLiteral("Calcolatrice")), &QAction::triggered, this,
            [] { finestre().open(nomi::calcolatrice); });
    connect(addMenuEntry("stampa", QStringLiteral("Stampa")), &QAction::triggered, this, [this] { stampaFinestra(this); });

    if (m_v.chiudiBeforeCancella)
        setTabOrder({"Text1", "Text2", "Command6", "Command3", "Command5", "Command4", m_v.chiudi, m_v.cancella});
    else
        setTabOrder({"Text1", "Text2", "Command6", "Command3", "Command5", "Command4", m_v.cancella, m_v.chiudi});
}

void FilterWindow::Command6_Click() {
    const EsitoFiltro esito = calcolaFiltro(m_v.tipo, m_frequency->text().toStdString(), m_impedance->text().toStdString());
    switch (esito.azione) {
    case EsitoFiltro::Azione::SvuotaRisultati:
        m_c1->clear();
        m_l1->clear();
        break;
    case EsitoFiltro::Azione::Allarme:
        m_alert->start();
        break;
    case EsitoFiltro::Azione::MostraRisultati:
        m_c1->setText(QString::fromStdString(esito.c1));
        m_l1->setText(QString::fromStdString(esito.l1));
        break;
    }
}

void FilterWindow::cancella() {
    m_c1->clear();
    m_l1->clear();
    m_frequency->clear();
    m_impedance->clear();
}

void FilterWindow::chiudi() {
    finestre().open(nomi::menu);
    close();
    if (m_v.chiudiClosesCalculator) finestre().close(nomi::calcolatrice);
}

void registerFilterWindows() {
    for (const FilterVariant* v : {&variantePassaBassoPiGreco(), &variantePassaAltoPiGreco(), &variantePassaBassoT(),
                                   &variantePassaAltoT()})
        finestre().registerWindow(v->windowName, [v] { return new FilterWindow(*v); });
}

}  // namespace ombrana
