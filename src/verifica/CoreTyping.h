#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QComboBox;

namespace ombrana {

// A pick list of cores that takes a designation typed as the maker writes
// it: "t50-2" chooses T50/2. The first letters of an entry that is no core
// ("Valori esatti", "Bobina in aria") choose it at once; a designation that
// no core has chooses nothing, puts the list back and is reported.
class CoreTyping : public QObject {
    Q_OBJECT
public:
    using Report = std::function<void(const QString& designation)>;
    CoreTyping(QComboBox* list, Report unknown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void type(const QString& typed);

    QComboBox* m_list;
    Report m_unknown;
    QString m_typed;  // the designation typed so far
    qint64 m_typedAt = 0;
    int m_before = 0;  // the entry chosen when the typing began
};

}  // namespace ombrana
