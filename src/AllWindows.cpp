#include "AllWindows.h"

#include "app/AppWindows.h"
#include "app/DesktopSetup.h"
#include "app/Fonts.h"
#include "app/SteadyPaletteStyle.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "calculator/CalculatorWindows.h"
#include "filters/FilterWindow.h"
#include "help/HelpWindows.h"
#include "inductors/InductorWindows.h"
#include "toroids/ToroidWindows.h"
#include "verifica/VerificationWindows.h"

#include <QApplication>
#include <QPixmapCache>
#include <QStyleFactory>

namespace ombrana {

void registerAllWindows() {
    registerAppWindows();
    registerFilterWindows();
    registerInductorWindows();
    registerToroidWindows();
    registerCalculatorWindows();
    registerHelpWindows();
    registerVerificationWindows();
}

void prepareApplication(QApplication& app) {
    app.setStyle(new SteadyPaletteStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    installFontSubstitutes();
    // The style's images are few, one for each look of a control: a small
    // cache holds them as well as the default 10 MiB.
    QPixmapCache::setCacheLimit(1024);
    registerAllWindows();
    identifyToDesktop();
    installToolkitTranslations(app);
}

void startProgram(QApplication& app) {
    prepareApplication(app);
    finestre().open(nomi::splash);
}

}  // namespace ombrana
