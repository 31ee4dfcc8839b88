#include "verifica/VerificationFields.h"

#include "app/core/NumberText.h"
#include "verifica/PickLists.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace ombrana {
namespace {

// A size typed as zero is said to be wrong, not taken for a missing one.
std::optional<double> readSize(const QLineEdit* field) {
    const auto x = leggiNumero(field->text().toStdString());
    if (!x || !std::isfinite(*x)) return std::nullopt;
    return x;
}

QString number(double x) {
    return QString::fromStdString(scriviNumero(x));
}

}  // namespace

std::optional<double> readField(const QLineEdit* field) {
    const auto x = leggiNumero(field->text().toStdString());
    if (!x || !std::isfinite(*x) || *x <= 0) return std::nullopt;
    return x;
}

VerificationFields::VerificationFields(const DesignedWindow& w)
    : operating(w.control<QLineEdit>("operatingFrequency")),
      band(w.control<QComboBox>("band")),
      maxSwr(w.control<QLineEdit>("maxSwr")),
      minLoss(w.control<QLineEdit>("minLoss")),
      power(w.control<QLineEdit>("power")),
      response(w.control<QComboBox>("response")),
      elements(w.control<QComboBox>("elements")),
      series(w.control<QComboBox>("series")),
      capacitor(w.control<QLineEdit>("capacitor")),
      capacitor2(w.control<QLineEdit>("capacitor2")),
      core(w.control<QComboBox>("core")),
      diameter(w.control<QLineEdit>("diameter")),
      length(w.control<QLineEdit>("length")),
      coilQ(w.control<QLineEdit>("coilQ")),
      loadSwr(w.control<QLineEdit>("loadSwr")) {}

void VerificationFields::fill(const DesignedWindow& w, TipoCella kind) {
    picklists::fillBands(band);
    picklists::fillWindings(core);
    picklists::fillResponses(response);
    picklists::fillElementCounts(elements);
    picklists::fillSeries(series);
    maxSwr->setText(number(kDefaultMaxSwr));
    minLoss->setText(number(kDefaultMinLossDb));
    power->setText(number(kDefaultPowerW));
    loadSwr->setText(number(kDefaultLoadSwr));
    w.control<QLabel>("minLossCaption")
        ->setText(passaBasso(kind) ? QStringLiteral("Perdita minima a 2 f  dB")
                                   : QStringLiteral("Perdita minima a f/2  dB"));
    coilQ->setToolTip(QStringLiteral("Vuoto: bobine ideali, senza perdite"));
}

DesignChoice VerificationFields::designChoice() const {
    const auto swr = readField(maxSwr);
    return {.response = picklists::response(response),
            .elements = picklists::elementCount(elements).value_or(kFewestElements),
            .series = picklists::series(series),
            .maxSwr = swr && *swr > 1 ? swr : std::nullopt};
}

std::optional<Job> VerificationFields::job(TipoCella kind, double impedanceOhm) const {
    const DesignChoice d = designChoice();
    const auto loss = readField(minLoss);
    if (!d.maxSwr || !loss) return std::nullopt;
    Job j{.kind = kind,
          .impedanceOhm = impedanceOhm,
          .fromMHz = 0,
          .toMHz = 0,
          .maxSwr = *d.maxSwr,
          .minLossDb = *loss,
          .series = d.series,
          .elements = picklists::elementCount(elements)};
    if (const auto chosen = picklists::band(band)) {
        j.fromMHz = chosen->fromMHz;
        j.toMHz = chosen->toMHz;
    } else if (const auto f = readField(operating); f && *f <= kHighestOperatingMHz) {
        j.fromMHz = j.toMHz = *f;
    } else {
        return std::nullopt;
    }
    return j;
}

void VerificationFields::read(VerificationInput& in) const {
    in.operatingMHz = readField(operating);
    in.band = picklists::band(band);
    in.builtCapacitorPf = readField(capacitor);
    in.builtCapacitor2Pf = readField(capacitor2);
    in.inductorQ = readField(coilQ);
    in.powerW = readField(power);
    in.loadSwr = readField(loadSwr);
    in.design = designChoice();
    in.winding = picklists::winding(core);
    if (in.winding.kind == WindingChoice::Kind::AirCoil) {
        in.winding.diameterMm = readSize(diameter);
        in.winding.lengthMm = readSize(length);
    }
}

}  // namespace ombrana
