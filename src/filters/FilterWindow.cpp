#include "filters/FilterWindow.h"

#include "app/DesignLook.h"
#include "app/InputAlert.h"
#include "app/LadderDrawing.h"
#include "app/WindowNames.h"
#include "app/WindowPrinter.h"
#include "app/WindowRegistry.h"
#include "filters/core/FilterCalculation.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <vector>

namespace ombrana {
namespace {

using namespace design;

std::vector<Control> controlsOf(const FilterVariant& v) {
    const int frameCaption = passaBasso(v.kind) ? kWhite : kYellow;
    const char* frequencyTip = passaBasso(v.kind) ? "Digitare la massima frequenza transitabile nel filtro"
                                                  : "Digitare la minima frequenza transitabile nel filtro";
    // clang-format off
    return {
        {.kind = Kind::Label, .name = "Label1", .at = {2400, 120, 7095, 495}, .text = v.heading, .font = kBold24, .fg = kRed, .bg = kTeal, .flags = v.headingLeft ? NoFlags : Centre},
        {.kind = Kind::Frame, .name = "Frame2", .at = {3840, 1080, 4215, 3015}, .text = v.frameCaption, .font = kBold825, .fg = frameCaption, .bg = kNavy},
        {.kind = Kind::Label, .name = v.c1Caption, .in = "Frame2", .at = {120, 2640, 795, 255}, .text = v.c1CaptionText, .font = kBold825, .fg = kWhite, .flags = Transparent},
        {.kind = Kind::Label, .name = v.c1Result, .in = "Frame2", .at = {960, 2610, 855, 255}, .font = kBold975, .fg = kBlack, .bg = kWhite, .flags = Border, .labelledBy = v.c1Caption},
        {.kind = Kind::Label, .name = v.l1Caption, .in = "Frame2", .at = {2040, 2640, 795, 255}, .text = "L1 = \u00b5H", .font = kBold825, .fg = kWhite, .flags = Transparent},
        {.kind = Kind::Label, .name = v.l1Result, .in = "Frame2", .at = {2880, 2610, 855, 255}, .font = kBold975, .fg = kBlack, .bg = kWhite, .flags = Border, .labelledBy = v.l1Caption},
        {.kind = Kind::Frame, .name = "Frame1", .at = {3120, 4440, 5655, 1695}, .bg = kLightOrange},
        {.kind = Kind::Label, .name = "Label2", .in = "Frame1", .at = {240, 420, 4100, 255}, .text = v.frequencyCaption, .font = kBold975, .fg = kDarkBlue, .flags = Transparent},
        {.kind = Kind::Label, .name = "Label3", .in = "Frame1", .at = {240, 1020, 4100, 255}, .text = v.impedanceCaption, .font = kBold975, .fg = kDarkBlue, .flags = Transparent},
        {.kind = Kind::Field, .name = "Text1", .in = "Frame1", .at = {4440, 360, 975, 360}, .font = kBold12, .tip = frequencyTip, .labelledBy = "Label2"},
        {.kind = Kind::Field, .name = "Text2", .in = "Frame1", .at = {4440, 960, 975, 360}, .font = kBold12, .tip = v.impedanceTip, .labelledBy = "Label3"},
        {.kind = Kind::Button, .name = "Command4", .at = {8520, 1080, 2415, 615}, .text = "Costruzione   induttanza su Toroide", .font = kBold975, .bg = kLightCyan, .tip = v.toroidTip},
        {.kind = Kind::Button, .name = "Command5", .at = {8520, 2040, 2415, 615}, .text = v.airButton, .font = kBold975, .bg = kPink, .tip = "Passa al calcolo di induttanza in aria"},
        {.kind = Kind::Button, .name = "Command3", .at = {9120, 3000, 1335, 375}, .text = "INDUTTANZA", .font = kBold825, .bg = kOrange, .tip = "Passa al calcolo della nuova INDUTTANZA con capacit\u00e0 standard"},
        {.kind = Kind::Button, .name = "Command6", .at = {9120, 4560, 1095, 375}, .text = "CALCOLA", .font = kBold825, .bg = kRed},
        {.kind = Kind::Button, .name = v.clearButton, .at = {9120, 5160, 1095, 375}, .text = "CANCELLA", .font = kBold825, .bg = kGreen},
        {.kind = Kind::Button, .name = v.closeButton, .at = {9120, 5760, 1095, 375}, .text = "CHIUDI", .font = kBold825, .bg = kYellow, .tip = "Passa al men\u00f9"},
        {.kind = Kind::Label, .name = "Label13", .at = {2400, 6240, 7095, 1215}, .text = "LA  FREQUENZA  MASSIMA  INSERIBILE  E'  DI  300  MHz", .font = kBold24, .fg = kWhite, .bg = kBlue, .flags = Hidden | Centre | WordWrap},
    };
    // clang-format on
}

WindowDesign designOf(const FilterVariant& v) {
    return {.title = v.title, .widthTwips = 11910, .heightTwips = v.heightTwips};
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
    auto* drawing = new LadderDrawing(m_v.kind, DrawingStyle{}, DrawingOptions{}, control("Frame2"));
    drawing->setObjectName(QStringLiteral("cella"));
    place(drawing, {60, 240, 4095, 2280});
    drawing->lower();

    m_alert = new InputAlert(
        {.banner = control<QLabel>("Label13"), .seconds = 5, .heldEmpty = {m_frequency}, .emptiedAfter = {m_c1, m_l1}},
        this);
    m_alert->setObjectName(QString::fromLatin1(m_v.alertName));

    const auto onClick = [this](const char* name, auto slot) {
        connect(control<QPushButton>(name), &QPushButton::clicked, this, slot);
    };
    onClick("Command6", &FilterWindow::calcola);
    onClick(m_v.clearButton, &FilterWindow::cancella);
    onClick(m_v.closeButton, &FilterWindow::chiudi);
    const auto opens = [this](const char* button, const QString& window) {
        connect(control<QPushButton>(button), &QPushButton::clicked, this, [window] { finestre().open(window); });
    };
    opens("Command3", m_v.inductanceWindow);
    opens("Command4", nomi::tabelle);
    opens("Command5", nomi::induttanzaAria);

    const QString readme = m_v.readmeWindow;
    connect(addMenuEntry("leggimi", QStringLiteral("Leggimi")), &QAction::triggered, this,
            [readme] { finestre().open(readme); });
    connect(addMenuEntry("calcolatrice", QStringLiteral("Calcolatrice")), &QAction::triggered, this,
            [] { finestre().open(nomi::calcolatrice); });
    connect(addMenuEntry("stampa", QStringLiteral("Stampa")), &QAction::triggered, this, [this] { printWindow(this); });
    const QString verifica = nomi::verifica(m_v.windowName);
    connect(addMenuEntry("verifica", QStringLiteral("Verifica")), &QAction::triggered, this,
            [verifica] { finestre().open(verifica); });

    if (m_v.closeBeforeClear)
        setTabOrder(
            {"Text1", "Text2", "Command6", "Command3", "Command5", "Command4", m_v.closeButton, m_v.clearButton});
    else
        setTabOrder(
            {"Text1", "Text2", "Command6", "Command3", "Command5", "Command4", m_v.clearButton, m_v.closeButton});
    setLastCell(std::nullopt);  // a new window has computed nothing yet
}

void FilterWindow::calcola() {
    const EsitoFiltro esito =
        calcolaFiltro(m_v.kind, m_frequency->text().toStdString(), m_impedance->text().toStdString());
    switch (esito.azione) {
        case EsitoFiltro::Azione::SvuotaRisultati:
            m_c1->clear();
            m_l1->clear();
            setLastCell(std::nullopt);
            break;
        case EsitoFiltro::Azione::Allarme:
            setLastCell(std::nullopt);
            m_alert->start();
            break;
        case EsitoFiltro::Azione::MostraRisultati: {
            m_c1->setText(QString::fromStdString(esito.c1));
            m_l1->setText(QString::fromStdString(esito.l1));
            setLastCell(esito.cella);
            break;
        }
    }
}

void FilterWindow::setLastCell(std::optional<ComputedCell> cell) {
    computedCells().publish(m_v.windowName, cell);
}

void FilterWindow::cancella() {
    m_c1->clear();
    m_l1->clear();
    m_frequency->clear();
    m_impedance->clear();
    setLastCell(std::nullopt);
}

void FilterWindow::chiudi() {
    finestre().open(nomi::menu);
    close();
    if (m_v.closesCalculator) finestre().close(nomi::calcolatrice);
}

void registerFilterWindows() {
    for (const FilterVariant* v :
         {&passaBassoPiGrecoVariant(), &passaAltoPiGrecoVariant(), &passaBassoTVariant(), &passaAltoTVariant()})
        finestre().registerWindow(v->windowName, [v] { return new FilterWindow(*v); });
}

}  // namespace ombrana
