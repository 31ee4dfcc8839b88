#include "verifica/VerificaWindow.h"

#include "app/AccessibleNames.h"
#include "app/DesignLook.h"
#include "app/DesignedCells.h"
#include "app/MessageBox.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "app/core/NumberText.h"
#include "toroids/core/CatalogoToroidi.h"
#include "verifica/ResponsePlot.h"
#include "verifica/VerificaDesign.h"
#include "verifica/core/AmateurBands.h"
#include "verifica/core/LadderAnalysis.h"
#include "verifica/core/ResponseCurve.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSaveFile>

#include <cmath>
#include <vector>

namespace ombrana {
namespace {

using namespace design;

constexpr int kCurveDesigned = kDarkBlue;
constexpr int kCurveBuilt = kRed;

std::optional<double> readField(const QLineEdit* field) {
    const auto x = leggiNumero(field->text().toStdString());
    if (!x || !std::isfinite(*x) || *x <= 0) return std::nullopt;
    return x;
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}
QString number(double x) {
    return QString::fromStdString(scriviNumero(x));
}

}  // namespace

VerificaWindow::VerificaWindow(const VerificaVariant& variant, QWidget* parent)
    : DesignedWindow(verificaDesign(variant), parent), m_v(variant) {
    build(verificaControls(m_v));
    m_notice = control<QLabel>("notice");
    m_operating = control<QLineEdit>("operatingFrequency");
    m_band = control<QComboBox>("band");
    m_capacitor = control<QLineEdit>("capacitor");
    m_core = control<QComboBox>("core");
    m_diameter = control<QLineEdit>("diameter");
    m_length = control<QLineEdit>("length");
    m_q = control<QLineEdit>("coilQ");
    m_design = control<QLabel>("designedCell");
    m_builtC1 = control<QLabel>("builtC1");
    m_builtL1 = control<QLabel>("builtL1");
    m_parts = control<QLabel>("parts");
    control<QLabel>("Label1")->setAlignment(Qt::AlignCenter);

    auto* drawing = new CellDrawing(m_v.tipo, CellStyle{}, CellOptions{}, control("Frame2"));
    drawing->setObjectName(QStringLiteral("cella"));
    place(drawing, {60, 240, 4095, 2280});
    drawing->lower();

    m_plot = new ResponsePlot(area());
    m_plot->setObjectName(QStringLiteral("responsePlot"));
    place(m_plot, {4440, 780, 7350, 3600});

    // Pick lists, not typing: the bands and the cores are fixed lists.
    m_band->setEditable(false);
    m_band->addItem(kNoBand);
    for (const AmateurBand& b : kAmateurBands)
        m_band->addItem(QString::fromUtf8(b.name.data(), qsizetype(b.name.size())));
    m_core->setEditable(false);
    m_core->addItems({kWindingExact, kWindingAirCoil});
    for (std::string_view s : toroidiSelezionabili) m_core->addItem(QString::fromLatin1(s.data(), qsizetype(s.size())));

    const Qt::TextInteractionFlags selectable = Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard;
    for (const auto& row : kFigureNames)
        for (const char* name : row) control<QLabel>(name)->setTextInteractionFlags(selectable);
    for (QLabel* l : {m_parts, m_design, m_builtC1, m_builtL1}) l->setTextInteractionFlags(selectable);

    for (QLineEdit* field : {m_operating, m_capacitor, m_diameter, m_length, m_q})
        connect(field, &QLineEdit::textChanged, this, &VerificaWindow::refresh);
    connect(m_core, &QComboBox::currentIndexChanged, this, &VerificaWindow::refresh);
    connect(m_band, &QComboBox::activated, this, &VerificaWindow::bandChosen);
    connect(control<QPushButton>("close"), &QPushButton::clicked, this, &QWidget::close);

    connect(addMenuEntry("stampa", QStringLiteral("Stampa")), &QAction::triggered, this, &VerificaWindow::stampa);
    connect(addMenuEntry("esportaPdf", QString::fromUtf8("Esporta PDF\u2026")), &QAction::triggered, this,
            &VerificaWindow::chooseAndExportPdf);
    connect(addMenuEntry("esportaCsv", QString::fromUtf8("Esporta CSV\u2026")), &QAction::triggered, this,
            &VerificaWindow::chooseAndExportCsv);

    setTabOrder({"operatingFrequency", "band", "capacitor", "core", "diameter", "length", "coilQ", "close"});

    // The verification belongs to its filter window: it takes each cell the
    // window computes, and closes with it, so that the menu's CHIUDI, which
    // closes the filter windows, leaves none behind.
    connect(&designedCells(), &DesignedCells::changed, this, [this](const QString& name) {
        if (name == m_v.filterWindow) takeCell();
    });
    connect(&finestre(), &WindowRegistry::windowClosed, this, [this](const QString& name) {
        if (name == m_v.filterWindow) close();
    });
    takeCell();
}

// A new result of the filter window: the operating frequency and the
// capacitor start again from its suggestions.
void VerificaWindow::takeCell() {
    const std::optional<DesignedCell> cell =
        finestre().isOpen(m_v.filterWindow) ? designedCells().last(m_v.filterWindow) : std::nullopt;
    if (!cell) {
        m_input.reset();
    } else {
        m_input = VerificationInput{.tipo = m_v.tipo,
                                    .cutoffMHz = cell->frequencyMHz,
                                    .impedanceOhm = cell->impedanceOhm,
                                    .c1Pf = cell->c1Pf,
                                    .l1uH = cell->l1uH};
        const QSignalBlocker quiet1(m_operating), quiet2(m_capacitor);
        m_operating->setText(number(std::round(defaultOperatingMHz(m_v.tipo, cell->frequencyMHz) * 1000) / 1000));
        const auto choice = capacitorChoice(cell->c1Pf);
        m_capacitor->setText(choice ? number(choice->suggestedPf) : QString());
        m_band->setCurrentIndex(0);
    }
    refresh();
}

void VerificaWindow::bandChosen(int index) {
    if (index <= 0 || index > int(kAmateurBands.size())) return;
    m_operating->setText(number(operatingFrequencyOf(kAmateurBands[std::size_t(index - 1)], passaBasso(m_v.tipo))));
}

void VerificaWindow::refresh() {
    m_notice->setVisible(!m_input);
    if (m_input) {
        m_input->operatingMHz = readField(m_operating);
        m_input->builtCapacitorPf = readField(m_capacitor);
        m_input->inductorQ = readField(m_q);
        WindingChoice w;
        const QString core = m_core->currentText();
        if (core == kWindingAirCoil) {
            w.kind = WindingChoice::Kind::AirCoil;
            w.diameterMm = readField(m_diameter);
            w.lengthMm = readField(m_length);
        } else if (core != kWindingExact) {
            w.kind = WindingChoice::Kind::Toroid;
            w.core = core.toStdString();
        }
        m_input->winding = w;
        m_result = verify(*m_input);
        m_text = verificationText(*m_input, m_result);
    } else {
        m_result = {};
        m_text = {};
    }
    showResult();
}

void VerificaWindow::showResult() {
    const bool low = passaBasso(m_v.tipo);
    for (std::size_t i = 0; i < 5; ++i) {
        const FigureRow& row = m_text.figures[i];
        control<QLabel>(kFigureNames[i][0])->setText(text(row.caption));
        control<QLabel>(kFigureNames[i][1])->setText(text(row.designed));
        control<QLabel>(kFigureNames[i][2])->setText(text(row.built));
    }
    if (!m_input) {
        // Captions stay readable before the first result.
        const char* captions[] = {"Frequenza a -3 dB  MHz", "Perdita a f lavoro  dB", "ROS a f lavoro",
                                  low ? "Perdita a 2 f  dB" : "Perdita a f/2  dB",
                                  low ? "Perdita a 3 f  dB" : "Perdita a f/3  dB"};
        for (int i = 0; i < 5; ++i) control<QLabel>(kFigureNames[i][0])->setText(QString::fromUtf8(captions[i]));
    }
    // Each figure is spoken with its caption and its column.
    for (const auto& names : kFigureNames) {
        const QString caption = spokenName(control<QLabel>(names[0])->text());
        nameResult(control<QLabel>(names[1]), caption + QStringLiteral(" progetto"));
        nameResult(control<QLabel>(names[2]), caption + QStringLiteral(" costruito"));
    }
    m_builtC1->setText(text(m_text.builtC1));
    m_builtL1->setText(text(m_text.builtL1));
    m_design->setText(m_input ? QStringLiteral("Progetto: %1 MHz, %2 Ohm, %3 pF, %4 \u00b5H")
                                    .arg(number(m_input->cutoffMHz), number(m_input->impedanceOhm),
                                         number(m_input->c1Pf), number(m_input->l1uH))
                              : QString());
    QStringList parts;
    for (const std::string* s : {&m_text.mounting, &m_text.capacitors, &m_text.inductance, &m_text.winding})
        if (!s->empty()) parts << text(*s);
    for (const std::string& w : m_text.warnings) parts << text(w);
    m_parts->setText(parts.join(QLatin1Char('\n')));
    m_plot->setData(buildSheet().plot);
}

BuildSheet VerificaWindow::buildSheet() const {
    BuildSheet sheet{.title = QString::fromUtf8(m_v.heading),
                     .shape = ladderShape(m_v.tipo, 3),
                     .builtC1 = m_builtC1->text(),
                     .builtL1 = m_builtL1->text(),
                     .design = {},
                     .parts = {},
                     .notes = {},
                     .losses = {},
                     .plot = {}};
    if (!m_input) return sheet;
    const VerificationInput& in = *m_input;
    sheet.design
        << QStringLiteral("F (taglio) = %1 MHz").arg(number(in.cutoffMHz))
        << QStringLiteral("Z = %1 Ohm").arg(number(in.impedanceOhm))
        << QStringLiteral("C1 di progetto = %1 pF, L1 di progetto = %2 \u00b5H").arg(number(in.c1Pf), number(in.l1uH))
        << QStringLiteral("Frequenza di lavoro = %1 MHz")
               .arg(in.operatingMHz ? number(*in.operatingMHz) : QStringLiteral("-"));
    sheet.notes = m_parts->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const FigureRow& row : m_text.figures)
        sheet.losses.push_back(
            {.caption = text(row.caption), .designed = text(row.designed), .built = text(row.built)});

    // The curves, from a tenth to ten times the cut-off.
    PlotData& plot = sheet.plot;
    plot.fromMHz = in.cutoffMHz / 10;
    plot.toMHz = in.cutoffMHz * 10;
    if (m_result.designed) {
        const Ladder built = m_result.built.value_or(Ladder{});
        const auto curve = responseCurve(*m_result.designed, built, in.cutoffMHz);
        PlotCurve designed{.label = QStringLiteral("Progetto"), .colour = colour(kCurveDesigned), .points = {}};
        PlotCurve asBuilt{.label = QStringLiteral("Costruito"), .colour = colour(kCurveBuilt), .points = {}};
        for (const ResponsePoint& p : curve) {
            if (std::isfinite(p.lossDesignedDb)) designed.points.emplace_back(p.frequencyMHz, p.lossDesignedDb);
            if (m_result.built && std::isfinite(p.lossBuiltDb))
                asBuilt.points.emplace_back(p.frequencyMHz, p.lossBuiltDb);
        }
        plot.curves.push_back(std::move(designed));
        if (!asBuilt.points.empty()) plot.curves.push_back(std::move(asBuilt));
    }
    const bool low = passaBasso(m_v.tipo);
    if (in.operatingMHz) plot.markers.push_back({*in.operatingMHz, QStringLiteral("f")});
    if (m_result.harmonic2MHz)
        plot.markers.push_back({*m_result.harmonic2MHz, low ? QStringLiteral("2f") : QStringLiteral("f/2")});
    if (m_result.harmonic3MHz)
        plot.markers.push_back({*m_result.harmonic3MHz, low ? QStringLiteral("3f") : QStringLiteral("f/3")});
    return sheet;
}

void VerificaWindow::reportError(const QString& message) {
    showMessage(this, {.title = QStringLiteral("Verifica"), .text = message});
}

bool VerificaWindow::exportPdf(const QString& path) {
    QString error;
    if (writeBuildSheetPdf(path, buildSheet(), &error)) return true;
    reportError(QStringLiteral("Impossibile scrivere il file %1: %2").arg(path, error));
    return false;
}

bool VerificaWindow::exportCsv(const QString& path) {
    std::vector<ResponsePoint> curve;
    if (m_result.designed && m_input)
        curve = responseCurve(*m_result.designed, m_result.built.value_or(Ladder{}), m_input->cutoffMHz);
    const QByteArray bytes = QByteArray::fromStdString(responseCsv(curve));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        reportError(QStringLiteral("Impossibile scrivere il file %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

void VerificaWindow::stampa() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QString::fromUtf8(m_v.heading));
    printBuildSheet(printer, buildSheet());  // a refused job is not reported, as elsewhere
}

void VerificaWindow::chooseAndExportPdf() {
    const QString path = QFileDialog::getSaveFileName(this, QString::fromUtf8("Esporta PDF\u2026"), QString(),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty()) exportPdf(path);
}

void VerificaWindow::chooseAndExportCsv() {
    const QString path = QFileDialog::getSaveFileName(this, QString::fromUtf8("Esporta CSV\u2026"), QString(),
                                                      QStringLiteral("CSV (*.csv)"));
    if (!path.isEmpty()) exportCsv(path);
}

void registerVerificaWindows() {
    for (TipoCella t :
         {TipoCella::PassaBassoPiGreco, TipoCella::PassaAltoPiGreco, TipoCella::PassaBassoT, TipoCella::PassaAltoT}) {
        const VerificaVariant* v = &verificaVariant(t);
        finestre().registerWindow(v->windowName, [v] { return new VerificaWindow(*v); });
    }
}

}  // namespace ombrana
