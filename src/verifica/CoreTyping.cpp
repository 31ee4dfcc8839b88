#include "verifica/CoreTyping.h"

#include "verifica/PickLists.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QKeyEvent>

namespace ombrana {
namespace {

// A core designation as the maker writes it ("t50-2") in the catalogue's
// form ("T50/2").
QString catalogueForm(QString typed) {
    typed = typed.trimmed().toUpper();
    typed.replace(QLatin1Char('-'), QLatin1Char('/'));
    return typed;
}

bool typing(const QKeyEvent* key) {
    const QString t = key->text();
    return !t.isEmpty() && t.at(0).isPrint() && t != QLatin1String(" ") &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

}  // namespace

CoreTyping::CoreTyping(QComboBox* list, Report unknown) : QObject(list), m_list(list), m_unknown(std::move(unknown)) {
    list->installEventFilter(this);
}

bool CoreTyping::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_list || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!typing(key)) return false;
    type(key->text());
    return true;
}

void CoreTyping::type(const QString& typed) {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - m_typedAt > QApplication::keyboardInputInterval()) {
        m_typed.clear();
        m_before = m_list->currentIndex();
    }
    m_typedAt = now;
    m_typed += typed;
    const QString wanted = catalogueForm(m_typed);
    bool prefix = false;
    for (int i = 0; i < m_list->count(); ++i) {
        const QString item = m_list->itemText(i).toUpper();
        if (item == wanted) {
            m_list->setCurrentIndex(i);
            return;
        }
        prefix = prefix || item.startsWith(wanted);
    }
    // The two entries that are no core: their first letters are enough.
    for (const QString& entry : {picklists::kWindingExact, picklists::kWindingAirCoil})
        if (entry.toUpper().startsWith(wanted)) {
            m_list->setCurrentIndex(m_list->findText(entry));
            return;
        }
    // A core passed on the way ("T106/1" on the way to "T106/10") is no
    // choice: an unknown designation leaves the list as it was.
    if (!prefix) {
        m_list->setCurrentIndex(m_before);
        m_unknown(wanted);
    }
}

}  // namespace ombrana
