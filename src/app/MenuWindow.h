#pragma once

#include "app/DesignedWindow.h"

namespace ombrana {

// The hub: eight buttons open the tools, "CHIUDI" closes every window.
class MenuWindow : public DesignedWindow {
    Q_OBJECT
public:
    explicit MenuWindow(QWidget* parent = nullptr);

    // The windows that "CHIUDI" closes, in order; the menu itself is among
    // them and the handler goes on after it.
    static const QStringList& closeOrder();

private:
    // Handlers of the buttons, named by the caption they answer.
    void chiudi();
};

}  // namespace ombrana
