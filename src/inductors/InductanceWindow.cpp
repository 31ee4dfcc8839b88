#include "inductors/InductanceWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "app/DesignLook.h"
#include "inductors/core/InductanceCalculation.h"
#include "app/InputAlert.h"
#include "app/WindowNames.h"

namespace ombrana {
namespace {

using namespace design;

constexpr Font kBannerFont{"MS Sans Serif", 18, true};

constexpr int kWidthTwips = 3705;
constexpr int kHeightTwips = 2100;

// Captions at the left, inputs and result in a column beside them, the
// buttons stacked on the right, the banner across the bottom.
std::array<Control, 10> controlsOf(const InductanceVariant& v) {
    return {{
        {Kind::Label, "Label1", nullptr, 45, 150, 1260, 255, "Input pf", kGrassetto975, kDefault, kDefault, Transparent},
        {Kind::Field, "Text1", nullptr, 1320, 90, 990, 405, "", kGrassetto12, kDefault, kDefault, NoFlags,
         v.capacitanceTip},
        {Kind::Label, "Label2", nullptr, 45, 630, 1260, 255, v.frequencyCaption, kGrassetto975, kDefault, kDefault,
         Transparent},
        {Kind::Field, "Text2", nullptr, 1320, 570, 990, 405, "", kGrassetto12, kDefault, kDefault, NoFlags,
         "Inserire la frequenza di taglio usata per il filtro"},
        {Kind::Label, "Label3", nullptr, 45, 1110, 1260, 255, "\u00b5Henry", kGrassetto975, kDefault, kDefault,
         Transparent},
        {Kind::Label, "Label4", nullptr, 1320, 1050, 990, 405, "", kGrassetto12, 0x000000, kBianco, Border,
         "Nuovo valore di L1 calcolato con capacit\u00e0 standard"},
        {Kind::Button, "Command1", nullptr, 2400, 90, 1215, 375, "CALCOLA", kGrassetto825, kDefault, kRosso, NoFlags,
         "Calcola i \u00b5Henry con capacit\u00e0 standard"},
        {Kind::Button, v.cancella, nullptr, 2400, 570, 1215, 375, "CANCELLA", kGrassetto825, kDefault, kVerde, NoFlags,
         v.cancellaTip},
        {Kind::Button, v.chiudi, nullptr, 2400, 1050, 1215, 375, "CHIUDI", kGrassetto825, kDefault, kGiallo, NoFlags,
         "Chiude il calcolo INDUTTANZA"},
        {Kind::Label, "Label5", nullptr, 0, 1530, kWidthTwips, 570, v.banner, kBannerFont, kBianco, kBlu,
         Hidden | Centre},
    }};
}

WindowDesign designOf(const InductanceVariant& v) {
    return {QStringLiteral("INDUTTANZA"),
            kWidthTwips,
            kHeightTwips,
            v.ground,
            WindowDesign::Placement::AtDesignPosition,
            v.border,
            v.leftTwips,
            v.topTwips};
}

}  // namespace

const InductanceVariant& varianteInduttanza() {
    static const InductanceVariant v{nomi::induttanza,
                                     kCostanteInduttanza,
                                     kCiano,
                                     WindowDesign::Border::Sizable,
                                     60,
                                     2145,
                                     "errore10",
                                     "Inserire la capacit\u00e0 standard in picofarad",
                                     "Input  MHz",
                                     "MAX  300 MHz",
                                     "Command3",
                                     "Cancella le input",
                                     "Command2"};
    return v;
}

const InductanceVariant& varianteInduttanza2() {
    static const InductanceVariant v{nomi::induttanza2,
                                     kCostanteInduttanza2,
                                     kCianoPallido,
                                     WindowDesign::Border::Fixed,
                                     45,
                                     2130,
                                     "errore11",
                                     "Inserire capacit\u00e0 standard",
                                     "Input MHz",
                                     "MAX  300  MHz",
                                     "Command2",
                                     "Cancella tutte le input",
                                     "Command3"};
    return v;
}

InductanceWindow::InductanceWindow(const InductanceVariant& variant, QWidget* parent)
    : DesignedWindow(designOf(variant), parent), m_v(variant) {
    const auto rows = controlsOf(m_v);
    build(rows);
    m_capacitance = control<QLineEdit>("Text1");
    m_frequency = control<QLineEdit>("Text2");
    m_result = control<QLabel>("Label4");
    m_result->setAlignment(Qt::AlignCenter);
    control<QLabel>("Label5")->setAlignment(Qt::AlignCenter);

    m_alert = new InputAlert({control<QLabel>("Label5"), 3, {m_frequency, m_result}, {}}, this);
    m_alert->setObjectName(QString::fromLatin1(m_v.alertName));

    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this, &InductanceWindow::Command1_Click);
    connect(control<QPushButton>(m_v.cancella), &QPushButton::clicked, this, &InductanceWindow::cancella);
    connect(control<QPushButton>(m_v.chiudi), &QPushButton::clicked, this, &QWidget::close);

    setTabOrder({"Text1", "Text2", "Command1", m_v.cancella, m_v.chiudi});
}

void InductanceWindow::Command1_Click() {
    const EsitoInduttanza esito =
        calcolaInduttanza(m_v.k, m_capacitance->text().toStdString(), m_frequency->text().toStdString());
    switch (esito.azione) {
        case EsitoInduttanza::Azione::SvuotaRisultato: m_result->clear(); break;
        case EsitoInduttanza::Azione::Allarme: m_alert->start(); break;
        case EsitoInduttanza::Azione::MostraRisultato: m_result->setText(QString::fromStdString(esito.testo)); break;
    }
}

// The banner is left alone: an alert that is running ends on its own.
void InductanceWindow::cancella() {
    m_capacitance->clear();
    m_frequency->clear();
    m_result->clear();
}

}  // namespace ombrana
