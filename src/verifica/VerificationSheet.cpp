#include "verifica/VerificationSheet.h"

#include "app/core/NumberText.h"
#include "verifica/PickLists.h"
#include "verifica/TextLines.h"

namespace ombrana {
namespace {

QString number(const std::optional<double>& x) {
    return x ? QString::fromStdString(scriviNumero(*x)) : QStringLiteral("-");
}

// What the figures come from: enough to work them out again.
QStringList basisOf(const VerificationInput& in, const VerificationText& t) {
    QStringList out{
        QStringLiteral("F (taglio) = %1 MHz, Z = %2 Ohm").arg(number(in.cutoffMHz), number(in.impedanceOhm))};
    if (!t.summary.empty()) out << qText(t.summary);
    const QString band =
        in.band ? QString::fromUtf8(in.band->name.data(), qsizetype(in.band->name.size())) : picklists::kNoBand;
    out << QStringLiteral("Banda: %1;  frequenza di lavoro = %2 MHz").arg(band, number(in.operatingMHz))
        << QStringLiteral("Q delle bobine: %1").arg(in.inductorQ ? number(in.inductorQ) : QStringLiteral("ideali"))
        << QStringLiteral("Potenza = %1 W, ROS del carico = %2").arg(number(in.powerW), number(in.loadSwr));
    return out;
}

}  // namespace

BuildSheet verificationSheet(const QString& title, const VerificationInput& in, const VerificationText& t,
                             PlotData plot) {
    BuildSheet sheet{.title = title,
                     .shape = ladderShape(in.kind, in.design.elements),
                     .builtC1 = qText(t.builtC1),
                     .builtL1 = qText(t.builtL1),
                     .design = basisOf(in, t),
                     .parts = {},
                     .notes = qLines(t.partsList()),
                     .losses = {},
                     .plot = std::move(plot)};
    for (const PartText& p : t.parts)
        sheet.parts.push_back({.name = qText(p.name),
                               .count = qText(p.count),
                               .value = qText(p.value),
                               .making = qText(p.making),
                               .stress = qText(p.stress)});
    sheet.notes << qLines(t.warnings) << qLines(t.problems);
    if (!t.advice.empty()) sheet.notes << qText(t.advice);
    for (const FigureRow& row : t.figures)
        sheet.losses.push_back(
            {.caption = qText(row.caption), .designed = qText(row.designed), .built = qText(row.built)});
    return sheet;
}

}  // namespace ombrana
