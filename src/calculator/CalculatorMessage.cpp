#include "calculator/CalculatorMessage.h"

#include "app/MessageBox.h"

namespace ombrana {

void showDivisionByZero(QWidget* parent) {
    showMessage(parent, {.title = QStringLiteral("Calcolatrice"),
                         .text = QStringLiteral("Impossibile dividere per zero"),
                         .objectName = QStringLiteral("divisionePerZero")});
}

}  // namespace ombrana
