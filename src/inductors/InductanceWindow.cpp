#include "inductors/InductanceWindow.h"

#include "app/DesignLook.h"
#include "app/InputAlert.h"
#include "app/WindowNames.h"
#include "inductors/core/InductanceCalculation.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace ombrana {
namespace {

using namespace design;

constexpr Font kBannerFont = kBold18;

constexpr int kWidthTwips = 3705;
constexpr int kHeightTwips = 2100;

// Captions at the left, inputs and result in a column beside them, the
// buttons stacked on the right, the banner across the bottom.
std::array<Control, 10> controlsOf(const InductanceVariant& v) {
    // clang-format off
    return {{
        {.kind = Kind::Label, .name = "Label1", .at = {45, 150, 1260, 255}, .text = "Input pf", .font = kBold975, .flags = Transparent},
        {.kind = Kind::Field, .name = "Text1", .at = {1320, 90, 990, 405}, .font = kBold12, .tip = v.capacitanceTip, .labelledBy = "Label1"},
        {.kind = Kind::Label, .name = "Label2", .at = {45, 630, 1260, 255}, .text = v.frequencyCaption, .font = kBold975, .flags = Transparent},
        {.kind = Kind::Field, .name = "Text2", .at = {1320, 570, 990, 405}, .font = kBold12, .tip = "Inserire la frequenza di taglio usata per il filtro", .labelledBy = "Label2"},
        {.kind = Kind::Label, .name = "Label3", .at = {45, 1110, 1260, 255}, .text = "\u00b5Henry", .font = kBold975, .flags = Transparent},
        {.kind = Kind::Label, .name = "Label4", .at = {1320, 1050, 990, 405}, .font = kBold12, .fg = kBlack, .bg = kWhite, .flags = Border, .tip = "Nuovo valore di L1 calcolato con capacit\u00e0 standard", .labelledBy = "Label3"},
        {.kind = Kind::Button, .name = "Command1", .at = {2400, 90, 1215, 375}, .text = "CALCOLA", .font = kBold825, .bg = kRed, .tip = "Calcola i \u00b5Henry con capacit\u00e0 standard"},
        {.kind = Kind::Button, .name = v.clearButton, .at = {2400, 570, 1215, 375}, .text = "CANCELLA", .font = kBold825, .bg = kGreen, .tip = v.clearTip},
        {.kind = Kind::Button, .name = v.closeButton, .at = {2400, 1050, 1215, 375}, .text = "CHIUDI", .font = kBold825, .bg = kYellow, .tip = "Chiude il calcolo INDUTTANZA"},
        {.kind = Kind::Label, .name = "Label5", .at = {0, 1530, kWidthTwips, 570}, .text = v.banner, .font = kBannerFont, .fg = kWhite, .bg = kBlue, .flags = Hidden | Centre},
    }};
    // clang-format on
}

WindowDesign designOf(const InductanceVariant& v) {
    return {.title = QStringLiteral("INDUTTANZA"),
            .widthTwips = kWidthTwips,
            .heightTwips = kHeightTwips,
            .ground = v.ground,
            .placement = WindowDesign::Placement::AtDesignPosition,
            .border = v.border,
            .leftTwips = v.leftTwips,
            .topTwips = v.topTwips};
}

}  // namespace

InductanceWindow::InductanceWindow(const InductanceVariant& variant, QWidget* parent)
    : DesignedWindow(designOf(variant), parent), m_v(variant) {
    const auto rows = controlsOf(m_v);
    build(rows);
    m_capacitance = control<QLineEdit>("Text1");
    m_frequency = control<QLineEdit>("Text2");
    m_result = control<QLabel>("Label4");
    m_result->setAlignment(Qt::AlignCenter);
    control<QLabel>("Label5")->setAlignment(Qt::AlignCenter);

    m_alert = new InputAlert(
        {.banner = control<QLabel>("Label5"), .seconds = 3, .heldEmpty = {m_frequency, m_result}, .emptiedAfter = {}},
        this);
    m_alert->setObjectName(QString::fromLatin1(m_v.alertName));

    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this, &InductanceWindow::calcola);
    connect(control<QPushButton>(m_v.clearButton), &QPushButton::clicked, this, &InductanceWindow::cancella);
    connect(control<QPushButton>(m_v.closeButton), &QPushButton::clicked, this, &QWidget::close);

    setTabOrder({"Text1", "Text2", "Command1", m_v.clearButton, m_v.closeButton});
}

void InductanceWindow::calcola() {
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
