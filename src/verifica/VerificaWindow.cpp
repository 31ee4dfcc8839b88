#include "verifica/VerificaWindow.h"

#include "app/AccessibleNames.h"
#include "app/CellDrawing.h"
#include "app/ComputedCells.h"
#include "app/FramePanel.h"
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

VerificaWindow::VerificaWindow(const VerificaVariant& variant, QWidget* parent)
    : DesignedWindow(verificaDesign(variant), parent),
      m_v(variant),
      m_form(builtFrom(*this, verificaControls(variant))) {
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

void VerificaWindow::findControls() {
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
void VerificaWindow::addDrawings() {
    control<QLabel>("Label1")->setAlignment(Qt::AlignCenter);
    m_drawing = new CellDrawing(m_v.cell, CellStyle{}, CellOptions{}, control("Frame2"));
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
void VerificaWindow::fillInputs() {
    m_form.fill(*this, m_v.cell);
    new CoreTyping(m_form.core, [this](const QString& designation) {
        m_notice->setText(QStringLiteral("Nessun nucleo %1 nel catalogo").arg(designation));
        m_notice->show();
    });
}

void VerificaWindow::connectInputs() {
    const VerificationForm& f = m_form;
    for (QLineEdit* field : {f.capacitor, f.capacitor2, f.diameter, f.length, f.coilQ, f.power, f.loadSwr})
        connect(field, &QLineEdit::textChanged, this, &VerificaWindow::refresh);
    connect(f.operating, &QLineEdit::textChanged, this, &VerificaWindow::operatingTyped);
    for (QLineEdit* field : {f.maxSwr, f.minLoss})
        connect(field, &QLineEdit::textChanged, this, &VerificaWindow::jobChanged);
    connect(f.core, &QComboBox::currentIndexChanged, this, &VerificaWindow::refresh);
    connect(f.band, &QComboBox::currentIndexChanged, this, &VerificaWindow::bandChosen);
    for (QComboBox* list : {f.response, f.elements, f.series})
        connect(list, &QComboBox::currentIndexChanged, this, &VerificaWindow::designChanged);
    connect(control<QPushButton>("propose"), &QPushButton::clicked, this, &VerificaWindow::proponi);
    connect(m_proposals, &ProposalList::chosen, this, &VerificaWindow::designChosen);
    connect(control<QPushButton>("close"), &QPushButton::clicked, this, &QWidget::close);

    setTabOrder({"operatingFrequency", "band", "maxSwr", "minLoss", "power", "response", "elements", "series",
                 "capacitor", "capacitor2", "core", "diameter", "length", "coilQ", "loadSwr", "propose", "designs",
                 "close"});
    // The parts' scroll area comes after the proposals, before CHIUDI.
    QWidget::setTabOrder(control("designs"), m_partsScroll);
    QWidget::setTabOrder(m_partsScroll, control("close"));
}

void VerificaWindow::addMenu() {
    connect(addMenuEntry("stampa", QStringLiteral("Stampa")), &QAction::triggered, this, &VerificaWindow::stampa);
    m_pdfEntry = addMenuEntry("esportaPdf", QString::fromUtf8("Esporta PDF\u2026"));
    connect(m_pdfEntry, &QAction::triggered, this, &VerificaWindow::esportaPdf);
    m_csvEntry = addMenuEntry("esportaCsv", QString::fromUtf8("Esporta CSV\u2026"));
    connect(m_csvEntry, &QAction::triggered, this, &VerificaWindow::esportaCsv);
}

// A new result of the filter window: the operating frequency and the
// capacitors start again from its suggestions.
void VerificaWindow::takeCell() {
    const std::optional<ComputedCell> cell =
        finestre().isOpen(m_v.filterWindow) ? computedCells().last(m_v.filterWindow) : std::nullopt;
    m_filling = true;
    if (!cell) {
        m_input.reset();
    } else {
        m_input = VerificationInput{.cell = m_v.cell,
                                    .cutoffMHz = cell->frequencyMHz,
                                    .impedanceOhm = cell->impedanceOhm,
                                    .shown = cell->shown};
        m_form.operating->setText(number(std::round(defaultOperatingMHz(m_v.cell, cell->frequencyMHz) * 1000) / 1000));
        picklists::chooseNoBand(m_form.band);
        fillCapacitors();
    }
    m_filling = false;
    jobChanged();
}

void VerificaWindow::bandChosen() {
    const auto band = picklists::band(m_form.band);
    if (m_filling || !band) return;
    const QSignalBlocker quiet(m_form.operating);
    m_form.operating->setText(number(operatingFrequencyOf(*band, passaBasso(m_v.cell))));
    jobChanged();
}

// The band list follows the operating frequency: a frequency outside the
// band chosen leaves no band chosen.
void VerificaWindow::operatingTyped() {
    if (m_filling) return;
    if (const auto band = picklists::band(m_form.band)) {
        const auto f = readField(m_form.operating);
        if (!f || *f < band->fromMHz || *f > band->toMHz) picklists::chooseNoBand(m_form.band);
    }
    jobChanged();
}

// The capacitor fields as the design asks: the one bought for a cell, the
// standard values of the design for a longer ladder.
void VerificaWindow::fillCapacitors() {
    if (!m_input) return;
    const QSignalBlocker quiet1(m_form.capacitor), quiet2(m_form.capacitor2);
    const std::vector<double> values =
        suggestedCapacitors(m_v.cell, m_form.designChoice(), m_input->cutoffMHz, m_input->impedanceOhm);
    m_form.capacitor->setText(values.size() > 0 ? number(values[0]) : QString());
    m_form.capacitor2->setText(values.size() > 1 ? number(values[1]) : QString());
}

void VerificaWindow::designChanged() {
    if (m_filling) return;
    m_filling = true;
    fillCapacitors();
    m_filling = false;
    jobChanged();
}

// A change to what the proposals answered leaves their list behind.
void VerificaWindow::jobChanged() {
    if (!m_filling) m_proposals->clear();
    refresh();
}

void VerificaWindow::proponi() {
    m_proposals->propose(m_input ? m_form.job(m_v.cell, m_input->impedanceOhm) : std::nullopt);
}

// A row chosen from the proposals fills the window with its design.
void VerificaWindow::designChosen(const ProposedDesign& d, Series series) {
    m_filling = true;
    picklists::chooseResponse(m_form.response, Response::Chebyshev);
    picklists::chooseElementCount(m_form.elements, d.elements);
    picklists::chooseSeries(m_form.series, series);
    {
        const QSignalBlocker quiet1(m_form.capacitor), quiet2(m_form.capacitor2);
        m_form.capacitor->setText(number(d.capacitorsPf[0]));
        m_form.capacitor2->setText(d.capacitorsPf.size() > 1 ? number(d.capacitorsPf[1]) : QString());
    }
    m_filling = false;
    refresh();
}

void VerificaWindow::refresh() {
    if (m_input) {
        m_form.read(*m_input);
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
void VerificaWindow::showChoice() {
    const DesignChoice d = m_form.designChoice();
    const bool chebyshev = d.response == Response::Chebyshev;
    control<QLabel>("capacitorCaption")->setText(d.isCell() ? kCellCapacitorCaption : kLadderCapacitorCaption);
    m_form.capacitor->setEnabled(chebyshev || d.isCell());
    m_form.capacitor2->setEnabled(chebyshev && distinctCapacitors(m_v.cell, d.elements).size() >= 2);
    if (!chebyshev && !d.isCell()) {
        const QSignalBlocker quiet1(m_form.capacitor), quiet2(m_form.capacitor2);
        QStringList shown;
        for (const CapacitorPart& c : m_result.capacitorParts) shown << number(c.builtPf);
        m_form.capacitor->setText(shown.value(0));
        m_form.capacitor2->setText(shown.value(1));
    }
    control<FramePanel>("Frame2")->setCaption(d.isCell() ? QStringLiteral("Cella come costruita")
                                                         : QStringLiteral("Filtro come costruito"));
    m_drawing->setShape(ladderShape(m_v.cell, d.elements));
}

void VerificaWindow::showResult() {
    const auto captions = figureCaptions(passaBasso(m_v.cell));
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
void VerificaWindow::showParts() {
    m_parts->setText(
        (qLines(m_text.partsList()) << qLines(m_text.stress) << qLines(m_text.warnings)).join(QLatin1Char('\n')));
}

BuildSheet VerificaWindow::buildSheet() const {
    const QString title = QString::fromUtf8(m_v.heading);
    if (!m_input) {
        BuildSheet empty;
        empty.title = title;
        empty.shape = m_drawing->shape();
        return empty;
    }
    return verificationSheet(title, *m_input, m_text, m_plot->data());
}

bool VerificaWindow::writePdf(const QString& path) {
    return exportSheetPdf(this, path, buildSheet());
}

bool VerificaWindow::writeCsv(const QString& path) {
    return exportCurveCsv(this, path, m_curve);
}

void VerificaWindow::stampa() {
    // A refused job is not reported, as elsewhere.
    printOnDefaultPrinter(
        {.docName = QString::fromUtf8(m_v.heading),
         .pageSize = QPageSize(QPageSize::A4),
         .paint = [this](QPagedPaintDevice& printer) { return printBuildSheet(printer, buildSheet()); }});
}

void VerificaWindow::esportaPdf() {
    const QString path = askExportPath(this, m_pdfEntry->text(), QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty()) writePdf(path);
}

void VerificaWindow::esportaCsv() {
    const QString path = askExportPath(this, m_csvEntry->text(), QStringLiteral("CSV (*.csv)"));
    if (!path.isEmpty()) writeCsv(path);
}

}  // namespace ombrana
