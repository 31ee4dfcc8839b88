#include "toroids/ToroidWindow.h"

#include "app/DesignLook.h"
#include "app/InputAlert.h"
#include "app/KeyFilter.h"
#include "app/WindowNames.h"
#include "app/WindowPrinter.h"
#include "app/WindowRegistry.h"
#include "toroids/ToroidTables.h"
#include "toroids/core/CalcoloSpire.h"
#include "toroids/core/CatalogoToroidi.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ombrana {

namespace {

using namespace design;

// clang-format off
constexpr Control kControls[] = {
    {.kind = Kind::Label, .name = "Label9", .at = {2640, 240, 4695, 735}, .text = "TOROIDI  AMIDON", .font = kBold24, .fg = kRed, .bg = kTeal, .flags = Centre},
    {.kind = Kind::Frame, .name = "Frame1", .at = {240, 480, 2295, 3735}, .text = "TAB 1", .font = kBold825, .fg = kRed, .bg = kWhite},
    {.kind = Kind::Frame, .name = "Frame3", .at = {2760, 1200, 4575, 2055}, .text = "Calcolo delle spire", .font = kBold825, .fg = kDarkGrey, .bg = kLightOrange},
    {.kind = Kind::Label, .name = "Label23", .in = "Frame3", .at = {360, 360, 1455, 255}, .text = "Input  toroide", .font = kBold975, .fg = kDarkBlue, .flags = Centre | Transparent},
    {.kind = Kind::Combo, .name = "cboToroidi", .in = "Frame3", .at = {1920, 240, 1215, 315}, .text = "TOROIDI", .font = kBold825, .fg = kBlue, .tip = "Seleziona il tipo di toroide", .labelledBy = "Label23"},
    {.kind = Kind::Button, .name = "Command2", .in = "Frame3", .at = {3240, 240, 1095, 375}, .text = "CALCOLA", .font = kBold825, .bg = kRed, .tip = "Calcola il numero delle spire"},
    {.kind = Kind::Label, .name = "Label24", .in = "Frame3", .at = {360, 960, 1455, 255}, .text = "Input   \u00b5Henry", .font = kBold975, .fg = kDarkBlue, .flags = Transparent},
    {.kind = Kind::Field, .name = "Text2", .in = "Frame3", .at = {2160, 840, 975, 375}, .font = kBold12, .fg = kBlue, .tip = "Digitare il valore richiesto ", .labelledBy = "Label24"},
    {.kind = Kind::Button, .name = "Command4", .in = "Frame3", .at = {3240, 840, 1095, 375}, .text = "CANCELLA", .font = kBold825, .bg = kGreen},
    {.kind = Kind::Label, .name = "Label25", .in = "Frame3", .at = {480, 1560, 1455, 255}, .text = "Totale spire", .font = kBold975, .fg = kDarkBlue, .flags = Transparent},
    {.kind = Kind::Label, .name = "Label26", .in = "Frame3", .at = {2160, 1440, 975, 375}, .font = kBold12, .fg = kBlue, .tip = "Visualizza il numero delle spire ", .labelledBy = "Label25"},
    {.kind = Kind::Button, .name = "Command5", .in = "Frame3", .at = {3240, 1440, 1095, 375}, .text = "CHIUDI", .font = kBold825, .bg = kYellow},
    {.kind = Kind::Label, .name = "Label71", .in = "Frame3", .at = {120, 1800, 1455, 255}, .font = kBold825, .flags = Hidden},
    {.kind = Kind::Label, .name = "Label101", .at = {2760, 3360, 4575, 1095}, .text = "TROPPE  SPIRE  vedi TAB  3", .font = kBold24, .fg = kRed, .bg = kYellow, .flags = Hidden | Centre | WordWrap},
    {.kind = Kind::Frame, .name = "Frame2", .at = {7560, 480, 3975, 3015}, .text = "TAB 2", .font = kBold825, .fg = kRed, .bg = kWhite},
    {.kind = Kind::Frame, .name = "Frame5", .at = {543, 4560, 10815, 3375}, .text = "TAB 3      NUMERO  SPIRE  INSERIBILI  IN  FUNZIONE  DEL  DIAMETRO  DEL  FILO ", .font = kBold825, .fg = kRed, .bg = kWhite},
};
// clang-format on

WindowDesign designOf() {
    const QString title = QStringLiteral("TABELLE AMIDON") + blanks(62) + QStringLiteral("by  QUENDAL") + blanks(40) +
                          QStringLiteral("rev 1.02");
    return {.title = title, .widthTwips = 11910, .heightTwips = 8340};
}

}  // namespace

ToroidWindow::ToroidWindow(QWidget* parent) : DesignedWindow(designOf(), parent) {
    build(kControls);
    m_picker = control<QComboBox>("cboToroidi");
    m_inductance = control<QLineEdit>("Text2");
    m_result = control<QLabel>("Label26");
    m_rememberedCore = control<QLabel>("Label71");

    // The picker: every selectable core in catalogue order, unsorted, no
    // completion (the text is exactly what was typed or picked), its own keys
    // (filtered on the combo box, which has the focus and receives them).
    // The maker's catalogue writes T50-2 and many type t50-2: the minus types
    // the slash and the lower-case t the capital.
    m_picker->setCompleter(nullptr);
    for (std::string_view sigla : toroidiSelezionabili)
        m_picker->addItem(QString::fromUtf8(sigla.data(), static_cast<qsizetype>(sigla.size())));
    m_picker->setEditText(QStringLiteral("TOROIDI"));
    KeyFilter::install(m_picker, QStringLiteral("0123456789/T"),
                       {{QLatin1Char('-'), QLatin1Char('/')}, {QLatin1Char('t'), QLatin1Char('T')}});

    // The result stands on the system's highlighted-text colour.
    QPalette pal = m_result->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::HighlightedText));
    m_result->setPalette(pal);
    m_result->setAutoFillBackground(true);

    auto* banner = control<QLabel>("Label101");
    banner->setAlignment(Qt::AlignCenter);
    m_alert =
        new InputAlert({.banner = banner, .seconds = 5, .heldEmpty = {m_inductance}, .emptiedAfter = {m_result}}, this);
    m_alert->setObjectName(QStringLiteral("errore2"));

    riempiTabellaDiametri(control("Frame1"));
    riempiTabellaMiscele(control("Frame2"));
    riempiTabellaSpire(control("Frame5"));

    connect(control<QPushButton>("Command2"), &QPushButton::clicked, this, &ToroidWindow::calcola);
    connect(control<QPushButton>("Command4"), &QPushButton::clicked, this, &ToroidWindow::cancella);
    connect(control<QPushButton>("Command5"), &QPushButton::clicked, this, &ToroidWindow::chiudi);

    connect(addMenuEntry("Leggimi", QStringLiteral("Leggimi")), &QAction::triggered, this,
            [] { finestre().open(nomi::leggimiToroidi); });
    connect(addMenuEntry("calcolatrice", QStringLiteral("Calcolatrice")), &QAction::triggered, this,
            [] { finestre().open(nomi::calcolatrice); });
    connect(addMenuEntry("stampa", QStringLiteral("Stampa")), &QAction::triggered, this, [this] { printWindow(this); });

    setTabOrder({"Text2", "cboToroidi", "Command2", "Command4", "Command5"});
}

void ToroidWindow::calcola() {
    const EsitoSpire esito = calcolaSpire(m_picker->currentText().toStdString(), m_inductance->text().toStdString(),
                                          m_rememberedCore->text().toStdString());
    if (esito.nomeRicordato) m_rememberedCore->setText(QString::fromStdString(*esito.nomeRicordato));
    switch (esito.azione) {
        case EsitoSpire::Azione::Niente: break;
        case EsitoSpire::Azione::Allarme: m_alert->start(); break;
        case EsitoSpire::Azione::Risultato: m_result->setText(QString::fromStdString(esito.risultato)); break;
    }
}

void ToroidWindow::cancella() {
    m_result->clear();
    m_inductance->clear();
    m_picker->setEditText(QString());
}

void ToroidWindow::chiudi() {
    close();
    finestre().close(nomi::calcolatrice);
}

}  // namespace ombrana
