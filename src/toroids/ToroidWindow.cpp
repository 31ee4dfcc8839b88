#include "toroids/ToroidWindow.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/DesignLook.h"
#include "toroids/core/CalcoloSpire.h"
#include "toroids/core/CatalogoToroidi.h"
#include "app/InputAlert.h"
#include "app/KeyFilter.h"
#include "toroids/ToroidTables.h"
#include "app/WindowNames.h"
#include "app/WindowPrinter.h"
#include "app/WindowRegistry.h"

namespace ombrana {

namespace {

using namespace design;


// clang-format off
constexpr Control kControlli[] = {
    {Kind::Label, "Label9", nullptr, 2640, 240, 4695, 735, "TOROIDI  AMIDON", kTitolo24, kRosso, kTeal, Centre},
    {Kind::Frame, "Frame1", nullptr, 240, 480, 2295, 3735, "TAB 1", kGrassetto825, kRosso, kBianco},
    {Kind::Frame, "Frame3", nullptr, 2760, 1200, 4575, 2055, "Calcolo delle spire", kGrassetto825, 0x404040, kArancioChiaro},
    {Kind::Label, "Label23", "Frame3", 360, 360, 1455, 255, "Input  toroide", kGrassetto975, kBluScuro, kDefault, Centre | Transparent},
    {Kind::Combo, "cboToroidi", "Frame3", 1920, 240, 1215, 315, "TOROIDI", kGrassetto825, kBlu, kDefault, NoFlags, "Seleziona il tipo di toroide"},
    {Kind::Button, "Command2", "Frame3", 3240, 240, 1095, 375, "CALCOLA", kGrassetto825, kDefault, kRosso, NoFlags, "Calcola il numero delle spire"},
    {Kind::Label, "Label24", "Frame3", 360, 960, 1455, 255, "Input   \u00b5Henry", kGrassetto975, kBluScuro, kDefault, Transparent},
    {Kind::Field, "Text2", "Frame3", 2160, 840, 975, 375, "", kGrassetto12, kBlu, kDefault, NoFlags, "Digitare il valore richiesto "},
    {Kind::Button, "Command4", "Frame3", 3240, 840, 1095, 375, "CANCELLA", kGrassetto825, kDefault, kVerde},
    {Kind::Label, "Label25", "Frame3", 480, 1560, 1455, 255, "Totale spire", kGrassetto975, kBluScuro, kDefault, Transparent},
    {Kind::Label, "Label26", "Frame3", 2160, 1440, 975, 375, "", kGrassetto12, kBlu, kDefault, NoFlags, "Visualizza il numero delle spire "},
    {Kind::Button, "Command5", "Frame3", 3240, 1440, 1095, 375, "CHIUDI", kGrassetto825, kDefault, kGiallo},
    {Kind::Label, "Label71", "Frame3", 120, 1800, 1455, 255, "", kGrassetto825, kDefault, kDefault, Hidden},
    {Kind::Label, "Label101", nullptr, 2760, 3360, 4575, 1095, "TROPPE  SPIRE  vedi TAB  3", kTitolo24, kRosso, kGiallo, Hidden | Centre | WordWrap},
    {Kind::Frame, "Frame2", nullptr, 7560, 480, 3975, 3015, "TAB 2", kGrassetto825, kRosso, kBianco},
    {Kind::Frame, "Frame5", nullptr, 543, 4560, 10815, 3375,
     "TAB 3      NUMERO  SPIRE  INSERIBILI  IN  FUNZIONE  DEL  DIAMETRO  DEL  FILO ", kGrassetto825, kRosso, kBianco},
};
// clang-format on

WindowDesign progetto() {
    return {QStringLiteral("TABELLE AMIDON") + spazi(62) + QStringLiteral("by  QUENDAL") + spazi(40) +
                QStringLiteral("rev 1.02"),
            11910, 8340, kTeal, WindowDesign::Placement::Maximised};
}

}  // namespace

ToroidWindow::ToroidWindow(QWidget* parent) : DesignedWindow(progetto(), parent) {
    build(kControlli);
    m_picker = control<QComboBox>("cboToroidi");
    m_induttanza = control<QLineEdit>("Text2");
    m_risultato = control<QLabel>("Label26");
    m_nomeRicordato = control<QLabel>("Label71");

    // The picker: every selectable core in catalogue order, unsorted, no
    // completion (the text is exactly what was typed or picked), its own keys.
    m_picker->setCompleter(nullptr);
    for (std::string_view sigla : toroidiSelezionabili)
        m_picker->addItem(QString::fromUtf8(sigla.data(), static_cast<qsizetype>(sigla.size())));
    m_picker->setEditText(QStringLiteral("TOROIDI"));
    KeyFilter::install(m_picker, QStringLiteral("0123456789/T"));

    // The result stands on the system's highlighted-text colour.
    QPalette pal = m_risultato->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::HighlightedText));
    m_risultato->setPalette(pal);
    m_risultato->setAutoFillBackground(true);

    auto* banner = control<QLabel>("Label101");
    banner->setAlignment(Qt::AlignCenter);
    m_alert = new InputAlert({banner, 5, {m_induttanza}, {m_risultato}}, this);
    m_alert->setObjectName(QStringLiteral("errore2"));

    riempiTabellaDiametri(control("Frame1"));
    riempiTabellaMiscele(control("Frame2"));
    riempiTabellaSpire(control("Frame5"));

    connect(control<QPushButton>("Command2"), &QPushButton::clicked, this, &ToroidWindow::Command2_Click);
    connect(control<QPushButton>("Command4"), &QPushButton::clicked, this, &ToroidWindow::Command4_Click);
    connect(control<QPushButton>("Command5"), &QPushButton::clicked, this, &ToroidWindow::Command5_Click);

    connect(addMenuEntry("Leggimi", QStringLiteral("Leggimi")), &QAction::triggered, this,
            [] { finestre().open(nomi::leggimiToroidi); });
    connect(addMenuEntry("calcolatrice", QStringLiteral("Calcolatrice")), &QAction::triggered, this,
            [] { finestre().open(nomi::calcolatrice); });
    connect(addMenuEntry("stampa", QStringLiteral("Stampa")), &QAction::triggered, this,
            [this] { stampaFinestra(this); });

    setTabOrder({"Text2", "cboToroidi", "Command2", "Command4", "Command5"});
}

void ToroidWindow::Command2_Click() {
    const EsitoSpire esito = calcolaSpire(m_picker->currentText().toStdString(), m_induttanza->text().toStdString(),
                                          m_nomeRicordato->text().toStdString());
    if (esito.nomeRicordato) m_nomeRicordato->setText(QString::fromStdString(*esito.nomeRicordato));
    switch (esito.azione) {
        case EsitoSpire::Azione::Niente: break;
        case EsitoSpire::Azione::Allarme: m_alert->start(); break;
        case EsitoSpire::Azione::Risultato: m_risultato->setText(QString::fromStdString(esito.risultato)); break;
    }
}

void ToroidWindow::Command4_Click() {
    m_risultato->clear();
    m_induttanza->clear();
    m_picker->setEditText(QString());
}

void ToroidWindow::Command5_Click() {
    close();
    finestre().close(nomi::calcolatrice);
}

}  // namespace ombrana
