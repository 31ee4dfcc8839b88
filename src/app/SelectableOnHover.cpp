#include "app/SelectableOnHover.h"

#include <QEvent>
#include <QLabel>

namespace ombrana {

SelectableOnHover::SelectableOnHover(QObject* parent) : QObject(parent) {}

void SelectableOnHover::add(QLabel* label) {
    label->installEventFilter(this);
}

bool SelectableOnHover::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter)
        if (auto* label = qobject_cast<QLabel*>(watched)) {
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
            label->removeEventFilter(this);
        }
    return false;
}

}  // namespace ombrana
