#include "verifica/PickLists.h"

#include "toroids/core/CatalogoToroidi.h"

#include <QComboBox>
#include <QStandardItemModel>

#include <vector>

namespace ombrana::picklists {
namespace {

QString fromView(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

struct Entry {
    QString text;
    QVariant value = {};
};

// All the entries at once: one insertion for the list to take in.
void fill(QComboBox* list, const std::vector<Entry>& entries) {
    QList<QStandardItem*> items;
    items.reserve(qsizetype(entries.size()));
    for (const Entry& e : entries) {
        auto* item = new QStandardItem(e.text);
        item->setData(e.value, Qt::UserRole);
        items << item;
    }
    qobject_cast<QStandardItemModel*>(list->model())->invisibleRootItem()->appendRows(items);
}

void choose(QComboBox* list, const QVariant& value) {
    if (const int i = list->findData(value); i >= 0) list->setCurrentIndex(i);
}

}  // namespace

void fillBands(QComboBox* list) {
    std::vector<Entry> entries{{.text = kNoBand}};
    for (std::size_t i = 0; i < kAmateurBands.size(); ++i)
        entries.push_back({.text = fromView(kAmateurBands[i].name), .value = int(i)});
    fill(list, entries);
}

std::optional<AmateurBand> band(const QComboBox* list) {
    const QVariant data = list->currentData();
    if (!data.isValid()) return std::nullopt;
    return kAmateurBands.at(std::size_t(data.toInt()));
}

void chooseNoBand(QComboBox* list) {
    choose(list, QVariant());
}

void fillResponses(QComboBox* list) {
    fill(list, {{.text = QStringLiteral("Butterworth"), .value = int(Response::Butterworth)},
                {.text = QStringLiteral("Chebyshev"), .value = int(Response::Chebyshev)}});
}

Response response(const QComboBox* list) {
    return Response(list->currentData().toInt());
}

void chooseResponse(QComboBox* list, Response r) {
    choose(list, int(r));
}

void fillElementCounts(QComboBox* list) {
    std::vector<Entry> entries;
    for (int n = kFewestElements; n <= kMostElements; n += 2)
        entries.push_back({.text = QString::number(n), .value = n});
    entries.push_back({.text = kAnyElementCount});
    fill(list, entries);
}

std::optional<int> elementCount(const QComboBox* list) {
    const QVariant data = list->currentData();
    if (!data.isValid()) return std::nullopt;
    return data.toInt();
}

void chooseElementCount(QComboBox* list, int count) {
    choose(list, count);
}

void fillSeries(QComboBox* list) {
    fill(list, {{.text = QStringLiteral("E12"), .value = int(Series::E12)},
                {.text = QStringLiteral("E24"), .value = int(Series::E24)}});
}

Series series(const QComboBox* list) {
    return Series(list->currentData().toInt());
}

void chooseSeries(QComboBox* list, Series s) {
    choose(list, int(s));
}

void fillWindings(QComboBox* list) {
    std::vector<Entry> entries{
        {.text = kWindingExact, .value = QVariant::fromValue(WindingChoice{.kind = WindingChoice::Kind::Exact})},
        {.text = kWindingAirCoil, .value = QVariant::fromValue(WindingChoice{.kind = WindingChoice::Kind::AirCoil})}};
    for (std::string_view core : toroidiSelezionabili)
        entries.push_back({.text = fromView(core),
                           .value = QVariant::fromValue(
                               WindingChoice{.kind = WindingChoice::Kind::Toroid, .core = std::string(core)})});
    fill(list, entries);
}

WindingChoice winding(const QComboBox* list) {
    return list->currentData().value<WindingChoice>();
}

}  // namespace ombrana::picklists
