#include "verifica/VerificaWindow.h"

#include "app/AccessibleNames.h"
#include "app/DesignLook.h"
#include "app/DesignedCells.h"
#include "app/FramePanel.h"
#include "app/MessageBox.h"
#include "app/PrintJob.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "app/core/NumberText.h"
#include "toroids/core/CatalogoToroidi.h"
#include "verifica/ResponsePlot.h"
#include "verifica/VerificaDesign.h"
#include "verifica/core/AmateurBands.h"
#include "verifica/core/ProposalText.h"
#include "verifica/core/ResponseCurve.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>

#include <cmath>
#include <vector>

namespace ombrana {
namespace {

using namespace design;

constexpr int kCurveDesigned = kDarkBlue;
constexpr int kCurveBuilt = kRed;
constexpr int kCountedElements[] = {3, 5, 7, 9};
constexpr int kAutomatic = 4;  // the element list's last entry

std::optional<double> readField(const QLineEdit* field) {
    const auto x = leggiNumero(field->text().toStdString());
    if (!x || !std::isfinite(*x) || *x <= 0) return std::nullopt;
    return x;
}

// A size typed as zero is said to be wrong, not taken for a missing one.
std::optional<double> readSize(const QLineEdit* field) {
    const auto x = leggiNumero(field->text().toStdString());
    if (!x || !std::isfinite(*x)) return std::nullopt;
    return x;
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}
QString number(double x) {
    return QString::fromStdString(scriviNumero(x));
}

QStringList lines(const std::vector<std::string>& items) {
    QStringList out;
    for (const std::string& s : items)
        if (!s.empty()) out << text(s);
    return out;
}

// A core designation as the maker writes it ("t50-2") in the catalogue's
// form ("T50/2").
QString catalogueForm(QString typed) {
    typed = typed.trimmed().toUpper();
    typed.replace(QLatin1Char('-'), QLatin1Char('/'));
    return typed;
}

}  // namespace

VerificaWindow::VerificaWindow(const VerificaVariant& variant, QWidget* parent)
    : DesignedWindow(verificaDesign(variant), parent), m_v(variant) {
    build(verificaControls(m_v));
    m_notice = control<QLabel>("notice");
    m_operating = control<QLineEdit>("operatingFrequency");
    m_band = control<QComboBox>("band");
    m_maxSwr = control<QLineEdit>("maxSwr");
    m_minLoss = control<QLineEdit>("minLoss");
    m_power = control<QLineEdit>("power");
    m_loadSwr = control<QLineEdit>("loadSwr");
    m_response = control<QComboBox>("response");
    m_elements = control<QComboBox>("elements");
    m_series = control<QComboBox>("series");
    m_capacitor = control<QLineEdit>("capacitor");
    m_capacitor2 = control<QLineEdit>("capacitor2");
    m_core = control<QComboBox>("core");
    m_diameter = control<QLineEdit>("diameter");
    m_length = control<QLineEdit>("length");
    m_q = control<QLineEdit>("coilQ");
    m_designs = control<QListWidget>("designs");
    m_designsCaption = control<QLabel>("designsCaption");
    m_design = control<QLabel>("designedCell");
    m_builtC1 = control<QLabel>("builtC1");
    m_builtL1 = control<QLabel>("builtL1");
    m_parts = control<QLabel>("parts");
    m_advice = control<QLabel>("advice");
    control<QLabel>("Label1")->setAlignment(Qt::AlignCenter);

    m_drawing = new CellDrawing(m_v.cell, CellStyle{}, CellOptions{}, control("Frame2"));
    m_drawing->setObjectName(QStringLiteral("cella"));
    place(m_drawing, {60, 150, 5580, 2040});
    m_drawing->lower();

    m_plot = new ResponsePlot(area());
    m_plot->setObjectName(QStringLiteral("responsePlot"));
    place(m_plot, {5940, 720, 5850, 2640});

    // The parts list can run longer than its place: it scrolls.
    auto* partsScroll = new QScrollArea(area());
    partsScroll->setObjectName(QStringLiteral("partsScroll"));
    partsScroll->setGeometry(m_parts->geometry());
    partsScroll->setFrameShape(QFrame::NoFrame);
    partsScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    partsScroll->setWidgetResizable(true);
    partsScroll->viewport()->setAutoFillBackground(false);
    partsScroll->setAutoFillBackground(false);
    m_parts->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    partsScroll->setWidget(m_parts);

    // Pick lists, not typing: the bands, the cores and the choices are
    // fixed lists, each filled at once.
    QStringList bands{kNoBand};
    for (const AmateurBand& b : kAmateurBands) bands << QString::fromUtf8(b.name.data(), qsizetype(b.name.size()));
    m_band->addItems(bands);
    QStringList cores{kWindingExact, kWindingAirCoil};
    for (std::string_view s : toroidiSelezionabili) cores << QString::fromLatin1(s.data(), qsizetype(s.size()));
    m_core->addItems(cores);
    m_core->installEventFilter(this);
    m_designs->setAccessibleName(QStringLiteral("Filtri proposti"));
    m_response->addItems(kResponseChoices);
    m_elements->addItems(kElementChoices);
    m_series->addItems(kSeriesChoices);
    m_maxSwr->setText(number(kDefaultMaxSwr));
    m_minLoss->setText(number(kDefaultMinLossDb));
    m_power->setText(number(kDefaultPowerW));
    m_loadSwr->setText(number(kDefaultLoadSwr));
    control<QLabel>("minLossCaption")
        ->setText(passaBasso(m_v.cell) ? QStringLiteral("Perdita minima a 2 f  dB")
                                       : QStringLiteral("Perdita minima a f/2  dB"));
    m_q->setToolTip(QStringLiteral("Vuoto: bobine ideali, senza perdite"));

    // The figures and texts can be selected with the mouse to copy them. A
    // selectable label lays its text out as a document, which costs the
    // window's opening a few milliseconds: each becomes selectable when the
    // pointer first comes over it.
    for (const auto& row : kFigureNames)
        for (const char* name : row) m_selectable << control<QLabel>(name);
    m_selectable << m_parts << m_design << m_builtC1 << m_builtL1 << m_advice;
    for (QLabel* l : m_selectable) l->installEventFilter(this);

    for (QLineEdit* field : {m_capacitor, m_capacitor2, m_diameter, m_length, m_q, m_power, m_loadSwr})
        connect(field, &QLineEdit::textChanged, this, &VerificaWindow::refresh);
    connect(m_operating, &QLineEdit::textChanged, this, &VerificaWindow::operatingTyped);
    for (QLineEdit* field : {m_maxSwr, m_minLoss})
        connect(field, &QLineEdit::textChanged, this, &VerificaWindow::jobChanged);
    connect(m_core, &QComboBox::currentIndexChanged, this, &VerificaWindow::refresh);
    connect(m_band, &QComboBox::currentIndexChanged, this, &VerificaWindow::bandChosen);
    for (QComboBox* combo : {m_response, m_elements, m_series})
        connect(combo, &QComboBox::currentIndexChanged, this, &VerificaWindow::designChanged);
    connect(control<QPushButton>("propose"), &QPushButton::clicked, this, &VerificaWindow::proponi);
    connect(m_designs, &QListWidget::currentRowChanged, this, &VerificaWindow::designChosen);
    connect(control<QPushButton>("close"), &QPushButton::clicked, this, &QWidget::close);

    connect(addMenuEntry("stampa", QStringLiteral("Stampa")), &QAction::triggered, this, &VerificaWindow::stampa);
    m_pdfEntry = addMenuEntry("esportaPdf", QString::fromUtf8("Esporta PDF\u2026"));
    connect(m_pdfEntry, &QAction::triggered, this, &VerificaWindow::esportaPdf);
    m_csvEntry = addMenuEntry("esportaCsv", QString::fromUtf8("Esporta CSV\u2026"));
    connect(m_csvEntry, &QAction::triggered, this, &VerificaWindow::esportaCsv);

    setTabOrder({"operatingFrequency", "band", "maxSwr", "minLoss", "power", "response", "elements", "series",
                 "capacitor", "capacitor2", "core", "diameter", "length", "coilQ", "loadSwr", "propose", "designs",
                 "close"});
    // The parts' scroll area comes after the proposals, before CHIUDI.
    QWidget::setTabOrder(m_designs, partsScroll);
    QWidget::setTabOrder(partsScroll, control("close"));

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

DesignChoice VerificaWindow::designChoice() const {
    const int count = m_elements->currentIndex();
    return {.response = m_response->currentIndex() == 1 ? Response::Chebyshev : Response::Butterworth,
            .elements = count >= 0 && count < kAutomatic ? kCountedElements[count] : 3,
            .series = m_series->currentIndex() == 1 ? Series::E24 : Series::E12,
            .maxSwr = [this]() -> std::optional<double> {
                const auto s = readField(m_maxSwr);
                return s && *s > 1 ? s : std::nullopt;
            }()};
}

// The job the inputs describe: the band chosen, or the operating frequency
// alone.
std::optional<Job> VerificaWindow::job() const {
    if (!m_input) return std::nullopt;
    const DesignChoice d = designChoice();
    const auto minLoss = readField(m_minLoss);
    if (!d.maxSwr || !minLoss) return std::nullopt;
    Job j{.cell = m_v.cell,
          .impedanceOhm = m_input->impedanceOhm,
          .fromMHz = 0,
          .toMHz = 0,
          .maxSwr = *d.maxSwr,
          .minLossDb = *minLoss,
          .series = d.series,
          .elements = m_elements->currentIndex() == kAutomatic ? std::nullopt : std::optional(d.elements)};
    const int band = m_band->currentIndex();
    if (band > 0 && band <= int(kAmateurBands.size())) {
        j.fromMHz = kAmateurBands[std::size_t(band - 1)].fromMHz;
        j.toMHz = kAmateurBands[std::size_t(band - 1)].toMHz;
    } else if (const auto f = readField(m_operating); f && *f <= kHighestOperatingMHz) {
        j.fromMHz = j.toMHz = *f;
    } else {
        return std::nullopt;
    }
    return j;
}

// A new result of the filter window: the operating frequency and the
// capacitors start again from its suggestions.
void VerificaWindow::takeCell() {
    const std::optional<DesignedCell> cell =
        finestre().isOpen(m_v.filterWindow) ? designedCells().last(m_v.filterWindow) : std::nullopt;
    m_filling = true;
    if (!cell) {
        m_input.reset();
    } else {
        m_input = VerificationInput{.cell = m_v.cell,
                                    .cutoffMHz = cell->frequencyMHz,
                                    .impedanceOhm = cell->impedanceOhm,
                                    .c1Pf = cell->c1Pf,
                                    .l1uH = cell->l1uH};
        m_operating->setText(number(std::round(defaultOperatingMHz(m_v.cell, cell->frequencyMHz) * 1000) / 1000));
        m_band->setCurrentIndex(0);
        fillCapacitors();
    }
    m_filling = false;
    jobChanged();
}

void VerificaWindow::bandChosen(int index) {
    if (m_filling || index <= 0 || index > int(kAmateurBands.size())) return;
    const QSignalBlocker quiet(m_operating);
    m_operating->setText(number(operatingFrequencyOf(kAmateurBands[std::size_t(index - 1)], passaBasso(m_v.cell))));
    jobChanged();
}

// The band list follows the operating frequency: a frequency outside the
// band chosen leaves no band chosen.
void VerificaWindow::operatingTyped() {
    if (m_filling) return;
    const int band = m_band->currentIndex();
    if (band > 0 && band <= int(kAmateurBands.size())) {
        const AmateurBand& b = kAmateurBands[std::size_t(band - 1)];
        const auto f = readField(m_operating);
        if (!f || *f < b.fromMHz || *f > b.toMHz) m_band->setCurrentIndex(0);
    }
    jobChanged();
}

// The capacitor fields as the design asks: the one bought for a cell, the
// standard values of the design for a longer ladder.
void VerificaWindow::fillCapacitors() {
    if (!m_input) return;
    const DesignChoice d = designChoice();
    const QSignalBlocker quiet1(m_capacitor), quiet2(m_capacitor2);
    const std::vector<double> values = suggestedCapacitors(m_v.cell, d, m_input->cutoffMHz, m_input->impedanceOhm);
    m_capacitor->setText(values.size() > 0 ? number(values[0]) : QString());
    m_capacitor2->setText(values.size() > 1 ? number(values[1]) : QString());
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
    if (!m_filling) {
        const QSignalBlocker quiet(m_designs);
        m_designs->clear();
        m_job.reset();
        m_proposal = {};
        m_designsCaption->setText(QStringLiteral("Filtri con condensatori commerciali, il migliore per primo"));
    }
    refresh();
}

void VerificaWindow::proponi() {
    const QSignalBlocker quiet(m_designs);
    m_designs->clear();
    m_job = job();
    if (!m_job) {
        m_proposal = {};
        m_designsCaption->setText(QStringLiteral("Indicare banda o frequenza di lavoro, ROS massimo e perdita minima"));
        return;
    }
    m_proposal = propose(*m_job);
    for (const ProposedDesign& d : m_proposal.designs) m_designs->addItem(text(proposalRowText(*m_job, d)));
    m_designsCaption->setText(text(proposalSummary(*m_job, m_proposal)));
    m_designs->setCurrentRow(-1);
}

// A row chosen from the proposals fills the window with its design.
void VerificaWindow::designChosen(int row) {
    if (!m_job || row < 0 || row >= int(m_proposal.designs.size())) return;
    const ProposedDesign& d = m_proposal.designs[std::size_t(row)];
    m_filling = true;
    m_response->setCurrentIndex(1);
    for (int i = 0; i < kAutomatic; ++i)
        if (kCountedElements[i] == d.elements) m_elements->setCurrentIndex(i);
    m_series->setCurrentIndex(m_job->series == Series::E24 ? 1 : 0);
    {
        const QSignalBlocker quiet1(m_capacitor), quiet2(m_capacitor2);
        m_capacitor->setText(number(d.capacitorsPf[0]));
        m_capacitor2->setText(d.capacitorsPf.size() > 1 ? number(d.capacitorsPf[1]) : QString());
    }
    m_filling = false;
    refresh();
}

void VerificaWindow::refresh() {
    if (m_input) {
        m_input->operatingMHz = readField(m_operating);
        m_input->builtCapacitorPf = readField(m_capacitor);
        m_input->builtCapacitor2Pf = readField(m_capacitor2);
        m_input->inductorQ = readField(m_q);
        m_input->powerW = readField(m_power);
        m_input->loadSwr = readField(m_loadSwr);
        if (m_input->loadSwr && *m_input->loadSwr < 1) m_input->loadSwr.reset();
        m_input->design = designChoice();
        WindingChoice w;
        const QString core = m_core->currentText();
        if (core == kWindingAirCoil) {
            w.kind = WindingChoice::Kind::AirCoil;
            w.diameterMm = readSize(m_diameter);
            w.lengthMm = readSize(m_length);
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
    showChoice();
    showResult();
}

// Which inputs the design takes: a cell's capacitor is the one bought; a
// Butterworth ladder's are its nearest standard values, shown, not typed;
// a Chebyshev ladder starts from one or two capacitors.
void VerificaWindow::showChoice() {
    const DesignChoice d = designChoice();
    const bool cell = d.response == Response::Butterworth && d.elements == 3;
    const std::size_t distinct = distinctCapacitors(m_v.cell, d.elements).size();
    control<QLabel>("capacitorCaption")->setText(cell ? kCellCapacitorCaption : kLadderCapacitorCaption);
    m_capacitor->setEnabled(d.response == Response::Chebyshev || cell);
    m_capacitor2->setEnabled(d.response == Response::Chebyshev && distinct >= 2);
    if (d.response == Response::Butterworth && !cell) {
        const QSignalBlocker quiet1(m_capacitor), quiet2(m_capacitor2);
        QStringList shown;
        for (const CapacitorPart& c : m_result.capacitorParts) shown << number(c.builtPf);
        m_capacitor->setText(shown.value(0));
        m_capacitor2->setText(shown.value(1));
    }
    control<FramePanel>("Frame2")->setCaption(cell ? QStringLiteral("Cella come costruita")
                                                   : QStringLiteral("Filtro come costruito"));
    m_drawing->setShape(ladderShape(m_v.cell, d.elements));
}

void VerificaWindow::showResult() {
    const bool low = passaBasso(m_v.cell);
    const auto captions = figureCaptions(low);
    for (std::size_t i = 0; i < 5; ++i) {
        const FigureRow& row = m_text.figures[i];
        control<QLabel>(kFigureNames[i][0])->setText(text(captions[i]));
        control<QLabel>(kFigureNames[i][1])->setText(text(row.designed));
        control<QLabel>(kFigureNames[i][2])->setText(text(row.built));
    }
    // Each figure is spoken with its caption and its column.
    for (const auto& names : kFigureNames) {
        const QString caption = spokenName(control<QLabel>(names[0])->text());
        nameResult(control<QLabel>(names[1]), caption + QStringLiteral(" progetto"));
        nameResult(control<QLabel>(names[2]), caption + QStringLiteral(" costruito"));
    }
    if (!m_input) {
        m_notice->setText(
            QStringLiteral("Premere CALCOLA nella finestra del filtro: la verifica parte dai valori calcolati"));
        m_notice->show();
    } else {
        const QStringList problems = lines(m_text.problems);
        m_notice->setText(problems.join(QStringLiteral(";  ")));
        m_notice->setVisible(!problems.isEmpty());
    }
    m_builtC1->setText(text(m_text.builtC1));
    m_builtL1->setText(text(m_text.builtL1));
    m_design->setText(text(m_text.design));
    m_advice->setText(text(m_text.advice));
    QStringList parts;
    for (const std::string* s : {&m_text.mounting, &m_text.capacitors, &m_text.pair, &m_text.inductance})
        if (!s->empty()) parts << text(*s);
    parts << lines(m_text.windings) << lines(m_text.stress) << lines(m_text.warnings);
    m_parts->setText(parts.join(QLatin1Char('\n')));
    const bool computed = m_result.designed.has_value();
    m_pdfEntry->setEnabled(computed);
    m_csvEntry->setEnabled(computed);
    m_plot->setData(buildSheet().plot);
}

BuildSheet VerificaWindow::buildSheet() const {
    BuildSheet sheet{.title = QString::fromUtf8(m_v.heading),
                     .shape = m_drawing->shape(),
                     .builtC1 = m_builtC1->text(),
                     .builtL1 = m_builtL1->text(),
                     .design = {},
                     .parts = {},
                     .notes = {},
                     .losses = {},
                     .plot = {}};
    if (!m_input) return sheet;
    const VerificationInput& in = *m_input;
    const auto orDash = [](const std::optional<double>& x) { return x ? number(*x) : QStringLiteral("-"); };
    sheet.design
        << QStringLiteral("F (taglio) = %1 MHz, Z = %2 Ohm").arg(number(in.cutoffMHz), number(in.impedanceOhm));
    if (!m_text.design.empty()) sheet.design << text(m_text.design);
    sheet.design
        << QStringLiteral("Banda: %1;  frequenza di lavoro = %2 MHz")
               .arg(m_band->currentText(), orDash(in.operatingMHz))
        << QStringLiteral("Q delle bobine: %1").arg(in.inductorQ ? number(*in.inductorQ) : QStringLiteral("ideali"))
        << QStringLiteral("Potenza = %1 W, ROS del carico = %2").arg(orDash(in.powerW), orDash(in.loadSwr));
    for (const PartText& p : m_text.parts)
        sheet.parts.push_back({.name = text(p.name),
                               .count = text(p.count),
                               .value = text(p.value),
                               .making = text(p.making),
                               .stress = text(p.stress)});
    for (const std::string* s : {&m_text.mounting, &m_text.capacitors, &m_text.pair, &m_text.inductance})
        if (!s->empty()) sheet.notes << text(*s);
    sheet.notes << lines(m_text.windings) << lines(m_text.warnings) << lines(m_text.problems);
    if (!m_text.advice.empty()) sheet.notes << text(m_text.advice);
    for (const FigureRow& row : m_text.figures)
        sheet.losses.push_back(
            {.caption = text(row.caption), .designed = text(row.designed), .built = text(row.built)});

    // The curves, from a tenth to ten times the design's cut-off.
    const double cutoff = m_result.designCutoffMHz.value_or(in.cutoffMHz);
    PlotData& plot = sheet.plot;
    plot.fromMHz = cutoff / 10;
    plot.toMHz = cutoff * 10;
    if (m_result.designed) {
        const Ladder built = m_result.built.value_or(Ladder{});
        const auto curve = responseCurve(*m_result.designed, built, cutoff);
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
    const bool low = passaBasso(m_v.cell);
    if (m_result.harmonic2MHz && in.operatingMHz) plot.markers.push_back({*in.operatingMHz, QStringLiteral("f")});
    if (m_result.harmonic2MHz)
        plot.markers.push_back({*m_result.harmonic2MHz, low ? QStringLiteral("2f") : QStringLiteral("f/2")});
    if (m_result.harmonic3MHz)
        plot.markers.push_back({*m_result.harmonic3MHz, low ? QStringLiteral("3f") : QStringLiteral("f/3")});
    return sheet;
}

// The core list takes a designation typed as the maker writes it: "t50-2"
// chooses T50/2. Letters of the other two entries choose them at once; a
// designation that no core has chooses nothing and says so.
bool VerificaWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter)
        if (auto* label = qobject_cast<QLabel*>(watched); label && m_selectable.contains(label)) {
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
            label->removeEventFilter(this);
        }
    if (watched == m_core && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString t = key->text();
        const bool typing = !t.isEmpty() && t.at(0).isPrint() && t != QLatin1String(" ") &&
                            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (typing) return typeCore(t);
    }
    return DesignedWindow::eventFilter(watched, event);
}

bool VerificaWindow::typeCore(const QString& typed) {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - m_typedAt > QApplication::keyboardInputInterval()) {
        m_typedCore.clear();
        m_coreBeforeTyping = m_core->currentIndex();
    }
    m_typedAt = now;
    m_typedCore += typed;
    const QString wanted = catalogueForm(m_typedCore);
    bool prefix = false;
    for (int i = 0; i < m_core->count(); ++i) {
        const QString item = m_core->itemText(i).toUpper();
        if (item == wanted) {
            m_core->setCurrentIndex(i);
            return true;
        }
        prefix = prefix || item.startsWith(wanted);
    }
    // The two entries that are no core: their first letters are enough.
    for (const QString& entry : {kWindingExact, kWindingAirCoil})
        if (entry.toUpper().startsWith(wanted)) {
            m_core->setCurrentText(entry);
            return true;
        }
    // A core passed on the way ("T106/1" on the way to "T106/10") is no
    // choice: an unknown designation leaves the list as it was.
    if (!prefix) {
        m_core->setCurrentIndex(m_coreBeforeTyping);
        m_notice->setText(QStringLiteral("Nessun nucleo %1 nel catalogo").arg(wanted));
        m_notice->show();
    }
    return true;
}

void VerificaWindow::reportError(const QString& message) {
    showMessage(this, {.title = QStringLiteral("Verifica"), .text = message});
}

bool VerificaWindow::writePdf(const QString& path) {
    QString error;
    if (writeBuildSheetPdf(path, buildSheet(), &error)) return true;
    reportError(QStringLiteral("Impossibile scrivere il file %1: %2").arg(path, error));
    return false;
}

bool VerificaWindow::writeCsv(const QString& path) {
    std::vector<ResponsePoint> curve;
    if (m_result.designed && m_input)
        curve = responseCurve(*m_result.designed, m_result.built.value_or(Ladder{}),
                              m_result.designCutoffMHz.value_or(m_input->cutoffMHz));
    const QByteArray bytes = QByteArray::fromStdString(responseCsv(curve));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        reportError(QStringLiteral("Impossibile scrivere il file %1: %2").arg(path, reason));
        return false;
    }
    return true;
}

void VerificaWindow::stampa() {
    // A refused job is not reported, as elsewhere.
    printOnDefaultPrinter(buildSheetJob(QString::fromUtf8(m_v.heading), [this] { return buildSheet(); }));
}

void VerificaWindow::esportaPdf() {
    const QString path = QFileDialog::getSaveFileName(this, QString::fromUtf8("Esporta PDF\u2026"), QString(),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty()) writePdf(path);
}

void VerificaWindow::esportaCsv() {
    const QString path = QFileDialog::getSaveFileName(this, QString::fromUtf8("Esporta CSV\u2026"), QString(),
                                                      QStringLiteral("CSV (*.csv)"));
    if (!path.isEmpty()) writeCsv(path);
}

void registerVerificaWindows() {
    for (TipoCella t :
         {TipoCella::PassaBassoPiGreco, TipoCella::PassaAltoPiGreco, TipoCella::PassaBassoT, TipoCella::PassaAltoT}) {
        const VerificaVariant* v = &verificaVariant(t);
        finestre().registerWindow(v->windowName, [v] { return new VerificaWindow(*v); });
    }
}

}  // namespace ombrana
