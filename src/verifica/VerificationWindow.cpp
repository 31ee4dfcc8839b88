#include "verifica/VerificationWindow.h"

#include "app/AccessibleNames.h"
#include "app/ComputedCells.h"
#include "app/FramePanel.h"
#include "app/LadderDrawing.h"
#include "app/PrintJob.h"
#include "app/SelectableOnHover.h"
#include "app/WindowRegistry.h"
#include "app/core/NumberText.h"
#include "verifica/CoreTyping.h"
#include "verifica/PickLists.h"
#include "verifica/ProposalList.h"
#include "verifica/ResponsePlot.h"
#include "verifica/TextLines.h"
#include "verifica/VerificationExport.h"
#include "verifica/VerificationPlot.h"
#include "verifica/VerificationSheet.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>

#include <cmath>

namespace ombrana {
namespace {

using design::place;

const QString kNoCellNotice =
    QStringLiteral("Premere CALCOLA nella finestra del filtro: la verifica parte dai valori calcolati");

QString number(double x) {
    return QString::fromStdString(scriviNumero(x));
}

// The window with its controls, for the form to find them.
const DesignedWindow& builtFrom(DesignedWindow& window, const std::vector<design::Control>& rows) {
    window.build(rows);
    return window;
}

}  // namespace

VerificationWindow::VerificationWindow(const VerificationVariant& variant, QWidget* parent)
    : DesignedWindow(verificaDesign(variant), parent),
      m_v(variant),
      m_fields(builtFrom(*this, verificationControls(variant))) {
    findControls();
    addDrawings();
    fillInputs();
    connectInputs();
    addMenu();
    // The verification belongs to its filter window: it takes each cell the
    // window computes, and closes with it, so that the menu's CHIUDI, which
    // closes the filter windows, leaves none behind.
    connect(&computedCells(), &ComputedCells::changed, this, [this](const QString& name) {
        if (name == m_v.filterWindow) takeCell();
    });
    connect(&finestre(), &WindowRegistry::windowClosed, this, [this](const QString& name) {
        if (name == m_v.filterWindow) close();
    });
    takeCell();
}

void VerificationWindow::findControls() {
    m_notice = control<QLabel>("notice");
    m_proposals = new ProposalList(control<QListWidget>("designs"), control<QLabel>("designsCaption"));
    m_summary = control<QLabel>("designedCell");
    m_builtC1 = control<QLabel>("builtC1");
    m_builtL1 = control<QLabel>("builtL1");
    m_parts = control<QLabel>("parts");
    m_advice = control<QLabel>("advice");
}

// The ladder's drawing, the plot, and the parts list, which can run longer
// than its place and scrolls.
void VerificationWindow::addDrawings() {
    control<QLabel>("Label1")->setAlignment(Qt::AlignCenter);
    m_drawing = new LadderDrawing(m_v.kind, DrawingStyle{}, DrawingOptions{}, control("Frame2"));
    m_drawing->setObjectName(QStringLiteral("cella"));
    place(m_drawing, {60, 150, 5580, 2040});
    m_drawing->lower();

    m_plot = new ResponsePlot(area());
    m_plot->setObjectName(QStringLiteral("responsePlot"));
    place(m_plot, {5940, 720, 5850, 2640});

    auto* partsScroll = new QScrollArea(area());
    m_partsScroll = partsScroll;
    partsScroll->setObjectName(QStringLiteral("partsScroll"));
    partsScroll->setGeometry(m_parts->geometry());
    partsScroll->setFrameShape(QFrame::NoFrame);
    partsScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    partsScroll->setWidgetResizable(true);
    partsScroll->viewport()->setAutoFillBackground(false);
    partsScroll->setAutoFillBackground(false);
    m_parts->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    partsScroll->setWidget(m_parts);

    // The figures and texts can be selected with the mouse to copy them.
    auto* selectable = new SelectableOnHover(this);
    for (const auto& row : kFigureNames)
        for (const char* name : row) selectable->add(control<QLabel>(name));
    for (QLabel* l : {m_parts, m_summary, m_builtC1, m_builtL1, m_advice}) selectable->add(l);
}

// Pick lists, not typing: the bands, the cores and the choices are fixed
// lists, each carrying its values; the cores take a designation typed.
void VerificationWindow::fillInputs() {
    m_fields.fill(*this, m_v.kind);
    new CoreTyping(m_fields.core, [this](const QString& designation) {
        m_notice->setText(QStringLiteral("Nessun nucleo %1 nel catalogo").arg(designation));
        m_notice->show();
    });
}

void VerificationWindow::connectInputs() {
    const VerificationFields& f = m_fields;
    for (QLineEdit* field : {f.capacitor, f.capacitor2, f.diameter, f.length, f.coilQ, f.power, f.loadSwr})
        connect(field, &QLineEdit::textChanged, this, &VerificationWindow::refresh);
    connect(f.operating, &QLineEdit::textChanged, this, &VerificationWindow::operatingTyped);
    for (QLineEdit* field : {f.maxSwr, f.minLoss})
        connect(field, &QLineEdit::textChanged, this, &VerificationWindow::jobChanged);
    connect(f.core, &QComboBox::currentIndexChanged, this, &VerificationWindow::refresh);
    connect(f.band, &QComboBox::currentIndexChanged, this, &VerificationWindow::bandChosen);
    for (QComboBox* list : {f.response, f.elements, f.series})
        connect(list, &QComboBox::currentIndexChanged, this, &VerificationWindow::designChanged);
    connect(control<QPushButton>("propose"), &QPushButton::clicked, this, &VerificationWindow::propose);
    connect(m_proposals, &ProposalList::chosen, this, &VerificationWindow::designChosen);
    connect(control<QPushButton>("close"), &QPushButton::clicked, this, &QWidget::close);

    setTabOrder({"operatingFrequency", "band", "maxSwr", "minLoss", "power", "response", "elements", "series",
                 "capacitor", "capacitor2", "core", "diameter", "length", "coilQ", "loadSwr", "propose", "designs",
                 "close"});
    // The parts' scroll area comes after the proposals, before CHIUDI.
    QWidget::setTabOrder(control("designs"), m_partsScroll);
    QWidget::setTabOrder(m_partsScroll, control("close"));
}

void VerificationWindow::addMenu() {
    connect(addMenuEntry("stampa", QStringLiteral("Stampa")), &QAction::triggered, this, &VerificationWindow::print);
    m_pdfEntry = addMenuEntry("esportaPdf", QString::fromUtf8("Esporta PDF\u2026"));
    connect(m_pdfEntry, &QAction::triggered, this, &VerificationWindow::exportPdf);
    m_csvEntry = addMenuEntry("esportaCsv", QString::fromUtf8("Esporta CSV\u2026"));
    connect(m_csvEntry, &QAction::triggered, this, &VerificationWindow::exportCsv);
}

// A new result of the filter window: the operating frequency and the
// capacitors start again from its suggestions.
void VerificationWindow::takeCell() {
    const std::optional<ComputedCell> cell =
        finestre().isOpen(m_v.filterWindow) ? computedCells().last(m_v.filterWindow) : std::nullopt;
    m_filling = true;
    if (!cell) {
        m_input.reset();
    } else {
        m_input = VerificationInput{.kind = m_v.kind,
                                    .cutoffMHz = cell->frequencyMHz,
                                    .impedanceOhm = cell->impedanceOhm,
                                    .shown = cell->shown};
        m_fields.operating->setText(
            number(std::round(defaultOperatingMHz(m_v.kind, cell->frequencyMHz) * 1000) / 1000));
        picklists::chooseNoBand(m_fields.band);
        fillCapacitors();
    }
    m_filling = false;
    jobChanged();
}

void VerificationWindow::bandChosen() {
    const auto band = picklists::band(m_fields.band);
    if (m_filling || !band) return;
    const QSignalBlocker quiet(m_fields.operating);
    m_fields.operating->setText(number(operatingFrequencyOf(*band, passaBasso(m_v.kind))));
    jobChanged();
}

// The band list follows the operating frequency: a frequency outside the
// band chosen leaves no band chosen.
void VerificationWindow::operatingTyped() {
    if (m_filling) return;
    if (const auto band = picklists::band(m_fields.band)) {
        const auto f = readField(m_fields.operating);
        if (!f || *f < band->fromMHz || *f > band->toMHz) picklists::chooseNoBand(m_fields.band);
    }
    jobChanged();
}

// The capacitor fields as the design asks: the one bought for a cell, the
// standard values of the design for a longer ladder.
void VerificationWindow::fillCapacitors() {
    if (!m_input) return;
    const QSignalBlocker quiet1(m_fields.capacitor), quiet2(m_fields.capacitor2);
    const std::vector<double> values =
        suggestedCapacitors(m_v.kind, m_fields.designChoice(), m_input->cutoffMHz, m_input->impedanceOhm);
    m_fields.capacitor->setText(values.size() > 0 ? number(values[0]) : QString());
    m_fields.capacitor2->setText(values.size() > 1 ? number(values[1]) : QString());
}

void VerificationWindow::designChanged() {
    if (m_filling) return;
    m_filling = true;
    fillCapacitors();
    m_filling = false;
    jobChanged();
}

// A change to what the proposals answered leaves their list behind.
void VerificationWindow::jobChanged() {
    if (!m_filling) m_proposals->clear();
    refresh();
}

void VerificationWindow::propose() {
    m_proposals->propose(m_input ? m_fields.job(m_v.kind, m_input->impedanceOhm) : std::nullopt);
}

// A row chosen from the proposals fills the window with its design.
void VerificationWindow::designChosen(const ProposedDesign& d, Series series) {
    m_filling = true;
    picklists::chooseResponse(m_fields.response, Response::Chebyshev);
    picklists::chooseElementCount(m_fields.elements, d.elements);
    picklists::chooseSeries(m_fields.series, series);
    {
        const QSignalBlocker quiet1(m_fields.capacitor), quiet2(m_fields.capacitor2);
        m_fields.capacitor->setText(number(d.capacitorsPf[0]));
        m_fields.capacitor2->setText(d.capacitorsPf.size() > 1 ? number(d.capacitorsPf[1]) : QString());
    }
    m_filling = false;
    refresh();
}

void VerificationWindow::refresh() {
    if (m_input) {
        m_fields.read(*m_input);
        m_result = verify(*m_input);
        m_text = verificationText(*m_input, m_result);
        m_curve = m_result.designed ? responseCurve(*m_result.designed, m_result.built,
                                                    m_result.designCutoffMHz.value_or(m_input->cutoffMHz))
                                    : std::vector<ResponsePoint>{};
    } else {
        m_result = {};
        m_text = {};
        m_curve.clear();
    }
    showChoice();
    showResult();
}

// Which inputs the design takes: a cell's capacitor is the one bought; a
// Butterworth ladder's are its nearest standard values, shown, not typed;
// a Chebyshev ladder starts from one or two capacitors.
void VerificationWindow::showChoice() {
    const DesignChoice d = m_fields.designChoice();
    const bool chebyshev = d.response == Response::Chebyshev;
    control<QLabel>("capacitorCaption")->setText(d.isCell() ? kCellCapacitorCaption : kLadderCapacitorCaption);
    m_fields.capacitor->setEnabled(chebyshev || d.isCell());
    m_fields.capacitor2->setEnabled(chebyshev && distinctCapacitors(m_v.kind, d.elements).size() >= 2);
    if (!chebyshev && !d.isCell()) {
        const QSignalBlocker quiet1(m_fields.capacitor), quiet2(m_fields.capacitor2);
        QStringList shown;
        for (const CapacitorPart& c : m_result.capacitorParts) shown << number(c.builtPf);
        m_fields.capacitor->setText(shown.value(0));
        m_fields.capacitor2->setText(shown.value(1));
    }
    control<FramePanel>("Frame2")->setCaption(d.isCell() ? QStringLiteral("Cella come costruita")
                                                         : QStringLiteral("Filtro come costruito"));
    m_drawing->setShape(ladderShape(m_v.kind, d.elements));
}

void VerificationWindow::showResult() {
    const auto captions = figureCaptions(passaBasso(m_v.kind));
    for (std::size_t i = 0; i < kFigureNames.size(); ++i) {
        const auto& names = kFigureNames[i];
        const QString caption = qText(captions[i]);
        control<QLabel>(names[0])->setText(caption);
        control<QLabel>(names[1])->setText(qText(m_text.figures[i].designed));
        control<QLabel>(names[2])->setText(qText(m_text.figures[i].built));
        // Each figure is spoken with its caption and its column.
        nameResult(control<QLabel>(names[1]), spokenName(caption) + QStringLiteral(" progetto"));
        nameResult(control<QLabel>(names[2]), spokenName(caption) + QStringLiteral(" costruito"));
    }
    const QStringList problems = m_input ? qLines(m_text.problems) : QStringList{kNoCellNotice};
    m_notice->setText(problems.join(QStringLiteral(";  ")));
    m_notice->setVisible(!problems.isEmpty());
    m_builtC1->setText(qText(m_text.builtC1));
    m_builtL1->setText(qText(m_text.builtL1));
    m_summary->setText(qText(m_text.summary));
    m_advice->setText(qText(m_text.advice));
    showParts();
    const bool computed = m_result.designed.has_value();
    m_pdfEntry->setEnabled(computed);
    m_csvEntry->setEnabled(computed);
    m_plot->setData(m_input ? verificationPlot(*m_input, m_result, m_curve) : PlotData{});
}

// What to buy and wind, then the stress and the warnings.
void VerificationWindow::showParts() {
    m_parts->setText(
        (qLines(m_text.partsList()) << qLines(m_text.stress) << qLines(m_text.warnings)).join(QLatin1Char('\n')));
}

BuildSheet VerificationWindow::buildSheet() const {
    const QString title = QString::fromUtf8(m_v.heading);
    if (!m_input) {
        BuildSheet empty;
        empty.title = title;
        empty.shape = m_drawing->shape();
        return empty;
    }
    return verificationSheet(title, *m_input, m_text, m_plot->data());
}

bool VerificationWindow::writePdf(const QString& path) {
    return exportSheetPdf(this, path, buildSheet());
}

bool VerificationWindow::writeCsv(const QString& path) {
    return exportCurveCsv(this, path, m_curve);
}

void VerificationWindow::print() {
    // A refused job is not reported, as elsewhere.
    printOnDefaultPrinter(buildSheetJob(QString::fromUtf8(m_v.heading), [this] { return buildSheet(); }));
}

void VerificationWindow::exportPdf() {
    const QString path = askExportPath(this, m_pdfEntry->text(), QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty()) writePdf(path);
}

void VerificationWindow::exportCsv() {
    const QString path = askExportPath(this, m_csvEntry->text(), QStringLiteral("CSV (*.csv)"));
    if (!path.isEmpty()) writeCsv(path);
}

}  // namespace ombrana
