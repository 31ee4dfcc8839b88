#include "AllWindows.h"

#include "AppWindows.h"
#include "CalculatorWindows.h"
#include "FilterWindow.h"
#include "Fonts.h"
#include "HelpWindows.h"
#include "InductorWindows.h"
#include "ToroidWindows.h"

#include <QApplication>
#include <QStyleFactory>

namespace ombrana {

void registerAllWindows() {
    registerAppWindows();
    registerFilterWindows();
    registerInductorWindows();
    registerToroidWindows();
    registerCalculatorWindows();
    registerHelpWindows();
}

void prepareApplication(QApplication& app) {
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installaSostitutiCaratteri();
    registerAllWindows();
}

}  // namespace ombrana
