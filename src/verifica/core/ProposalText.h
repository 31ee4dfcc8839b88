#pragma once

#include "verifica/core/Proposal.h"

#include <string>

namespace ombrana {

// One row of the list of proposals: elements, capacitors, the highest SWR
// in the band and the losses at the two harmonics.
std::string proposalRowText(const Job& job, const ProposedDesign& design);

// What the list says above its rows: how many designs meet the job, or
// which limit none reaches and how close the best comes.
std::string proposalSummary(const Job& job, const Proposal& proposal);

}  // namespace ombrana
