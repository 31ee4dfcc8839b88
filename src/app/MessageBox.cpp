#include "app/MessageBox.h"

#include <utility>

namespace ombrana {
namespace {

MessageHook& hook() {
    static MessageHook h;
    return h;
}

}  // namespace

void setMessageHookForTests(MessageHook h) {
    hook() = std::move(h);
}

void showMessage(QWidget* parent, const MessageText& message) {
    if (hook()) {
        hook()(message);
        return;
    }
    QMessageBox box(message.icon, message.title, message.text, message.buttons, parent);
    box.setObjectName(message.objectName);
    box.exec();
}

}  // namespace ombrana
