#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace ombrana {

// A message box as the calculator shows it.
struct CalculatorMessageText {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

// Shows the modal "Impossibile dividere per zero" box over parent and
// returns when it is closed.
void showDivisionByZero(QWidget* parent);

// Tests answer the box at once: while a hook is set it receives the box's
// texts instead of a box being shown. An empty function removes the hook.
using CalculatorMessageHook = std::function<void(const CalculatorMessageText&)>;
void setCalculatorMessageHookForTests(CalculatorMessageHook hook);

}  // namespace ombrana
