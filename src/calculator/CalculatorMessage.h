#pragma once

class QWidget;

namespace ombrana {

// Shows the modal "Impossibile dividere per zero" box over parent and
// returns when it is closed.
void showDivisionByZero(QWidget* parent);

}  // namespace ombrana
