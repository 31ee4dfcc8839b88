#include "calculator/CalculatorMessage.h"

#include <utility>

namespace ombrana {
namespace {

CalculatorMessageHook& hook() {
    static CalculatorMessageHook h;
    return h;
}

}  // namespace

void setCalculatorMessageHookForTests(CalculatorMessageHook h) {
    hook() = std::move(h);
}

void showDivisionByZero(QWidget* parent) {
    const CalculatorMessageText message{QStringLiteral("Calcolatrice"), QStringLiteral("Impossibile dividere per zero"),
                                        QMessageBox::Warning, QMessageBox::Ok};
    if (hook()) {
        hook()(message);
        return;
    }
    QMessageBox box(message.icon, message.title, message.text, message.buttons, parent);
    box.setObjectName(QStringLiteral("divisionePerZero"));
    box.exec();
}

}  // namespace ombrana
