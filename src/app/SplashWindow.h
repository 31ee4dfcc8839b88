#pragma once

#include "app/DesignedWindow.h"

namespace ombrana {

// The splash: product name, author's sign, version and the request for an
// 800 x 600 screen. "CONTINUA" leads to the menu; "FINE", any typed
// character or a click on the yellow panel closes it, ending the program.
// Enter and the space bar press the focused button instead.
class SplashWindow : public DesignedWindow {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    static QString versionText();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Handlers of the buttons, named by the caption they answer.
    void continua();
    void fine();
};

}  // namespace ombrana
