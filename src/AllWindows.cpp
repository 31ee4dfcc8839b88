#include "AllWindows.h"

#include "app/AppWindows.h"
#include "app/Fonts.h"
#include "calculator/CalculatorWindows.h"
#include "filters/FilterWindow.h"
#include "help/HelpWindows.h"
#include "inductors/InductorWindows.h"
#include "toroids/ToroidWindows.h"
#include "verifica/VerificaWindow.h"

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
    registerVerificaWindows();
}

void prepareApplication(QApplication& app) {
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installaSostitutiCaratteri();
    // The style keeps button images per palette; windows come and go, so a
    // small cache serves as well as the default 10 MiB and keeps memory flat.
    QPixmapCache::setCacheLimit(1024);
    registerAllWindows();
}

}  // namespace ombrana
