#include "verifica/core/ProposalText.h"

#include "verifica/core/FigureText.h"

namespace ombrana {
namespace {

std::string harmonicName(const Job& job, int order) {
    const std::string k = std::to_string(order);
    return passaBasso(job.kind) ? k + " f" : "f/" + k;
}

}  // namespace

std::string proposalRowText(const Job& job, const ProposedDesign& d) {
    std::string capacitors;
    for (std::size_t i = 0; i < d.capacitorsPf.size(); ++i)
        capacitors += (i ? " / " : "") + figureText(d.capacitorsPf[i], 2);
    return std::to_string(d.elements) + " el.   " + capacitors + " pF   ROS " + figureText(d.highestSwr, 3) + "   " +
           harmonicName(job, 2) + " " + figureText(d.loss2Db, 1) + " dB   " + harmonicName(job, 3) + " " +
           figureText(d.loss3Db, 1) + " dB";
}

std::string proposalSummary(const Job& job, const Proposal& p) {
    const std::string swr = figureText(job.maxSwr, 3);
    const std::string harmonic = figureText(jobHarmonicMHz(job, 2), 3) + " MHz";
    if (!p.designs.empty())
        return std::to_string(p.designs.size()) + (p.designs.size() == 1 ? " filtro" : " filtri") + " con ROS fino a " +
               swr + " e almeno " + figureText(job.minLossDb, 1) + " dB a " + harmonic + ", il migliore in cima";
    if (!p.shortfall) return "Nessun filtro con condensatori commerciali per questi dati";
    if (p.shortfall->limit == Shortfall::Limit::Swr)
        return "Nessun filtro tiene il ROS entro " + swr + " in banda: il migliore arriva a " +
               figureText(p.shortfall->best, 3);
    return "Nessun filtro con ROS entro " + swr + " d\u00e0 " + figureText(job.minLossDb, 1) + " dB a " + harmonic +
           ": il migliore ne d\u00e0 " + figureText(p.shortfall->best, 1);
}

}  // namespace ombrana
