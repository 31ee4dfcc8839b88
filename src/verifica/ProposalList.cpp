#include "verifica/ProposalList.h"

#include "verifica/TextLines.h"
#include "verifica/core/ProposalText.h"

#include <QLabel>
#include <QListWidget>

namespace ombrana {
namespace {

const QString kCaption = QStringLiteral("Filtri con condensatori commerciali, il migliore per primo");

}  // namespace

ProposalList::ProposalList(QListWidget* list, QLabel* caption) : QObject(list), m_list(list), m_caption(caption) {
    m_list->setAccessibleName(QStringLiteral("Filtri proposti"));
    connect(m_list, &QListWidget::currentRowChanged, this, &ProposalList::rowChosen);
}

void ProposalList::clear() {
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    m_job.reset();
    m_proposal = {};
    m_caption->setText(kCaption);
}

void ProposalList::propose(const std::optional<Job>& job) {
    clear();
    const QSignalBlocker quiet(m_list);
    m_job = job;
    if (!m_job) {
        m_caption->setText(QStringLiteral("Indicare banda o frequenza di lavoro, ROS massimo e perdita minima"));
        return;
    }
    m_proposal = ombrana::propose(*m_job);
    for (const ProposedDesign& d : m_proposal.designs) m_list->addItem(qText(proposalRowText(*m_job, d)));
    m_caption->setText(qText(proposalSummary(*m_job, m_proposal)));
    m_list->setCurrentRow(-1);
}

void ProposalList::rowChosen(int row) {
    if (!m_job || row < 0 || row >= int(m_proposal.designs.size())) return;
    emit chosen(m_proposal.designs[std::size_t(row)], m_job->series);
}

}  // namespace ombrana
