#pragma once

#include <QObject>

class QLabel;

namespace ombrana {

// Labels whose text the mouse can select, to copy it. A selectable label
// lays its text out as a document, which would cost a window's opening a
// few milliseconds: each becomes selectable when the pointer first comes
// over it.
class SelectableOnHover : public QObject {
    Q_OBJECT
public:
    explicit SelectableOnHover(QObject* parent);
    void add(QLabel* label);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ombrana
