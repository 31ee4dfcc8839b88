#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace ombrana {

// A message box as the program shows it.
struct MessageText {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QString objectName = {};
};

// Shows the modal box over parent and returns when it is closed.
void showMessage(QWidget* parent, const MessageText& message);

// Tests answer every box at once: while a hook is set it receives the box's
// texts instead of a box being shown. An empty function removes the hook.
using MessageHook = std::function<void(const MessageText&)>;
void setMessageHookForTests(MessageHook hook);

}  // namespace ombrana
