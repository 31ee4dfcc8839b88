#pragma once

#include "verifica/core/Proposal.h"

#include <QObject>

#include <optional>

class QLabel;
class QListWidget;

namespace ombrana {

// The proposals under PROPONI: the designs that meet the job, best first,
// and above them how many there are or how close the best comes. A row
// chosen is handed on; a change of the job leaves the list behind.
class ProposalList : public QObject {
    Q_OBJECT
public:
    ProposalList(QListWidget* list, QLabel* caption);

    // The job has changed: the rows answer it no more.
    void clear();
    // The designs for the job; without one, what the inputs lack.
    void propose(const std::optional<Job>& job);

signals:
    void chosen(const ProposedDesign& design, Series series);

private:
    void rowChosen(int row);

    QListWidget* m_list;
    QLabel* m_caption;
    std::optional<Job> m_job;  // the job the rows answer
    Proposal m_proposal;
};

}  // namespace ombrana
