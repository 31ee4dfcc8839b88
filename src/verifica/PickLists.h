#pragma once

#include "verifica/core/AmateurBands.h"
#include "verifica/core/Verification.h"

#include <QMetaType>
#include <QString>

#include <optional>

class QComboBox;

// The verification window's pick lists carry their values: each entry's
// data is what it means, so that the order of a list never changes what is
// read from it.
namespace ombrana::picklists {

inline const QString kNoBand = QStringLiteral("Nessuna");
inline const QString kWindingExact = QStringLiteral("Valori esatti");
inline const QString kWindingAirCoil = QStringLiteral("Bobina in aria");
inline const QString kAnyElementCount = QStringLiteral("automatico");

// "Nessuna", then the amateur bands.
void fillBands(QComboBox* list);
std::optional<AmateurBand> band(const QComboBox* list);
void chooseNoBand(QComboBox* list);

void fillResponses(QComboBox* list);
Response response(const QComboBox* list);
void chooseResponse(QComboBox* list, Response r);

// 3, 5, 7, 9, then "automatico", which lets the proposals choose: nothing.
void fillElementCounts(QComboBox* list);
std::optional<int> elementCount(const QComboBox* list);
void chooseElementCount(QComboBox* list, int count);

void fillSeries(QComboBox* list);
Series series(const QComboBox* list);
void chooseSeries(QComboBox* list, Series s);

// The exact values, the air coil, then every core of the catalogue's picker.
void fillWindings(QComboBox* list);
WindingChoice winding(const QComboBox* list);

}  // namespace ombrana::picklists

Q_DECLARE_METATYPE(ombrana::WindingChoice)
