#include "AllWindows.h"

#include "AppWindows.h"
#include "CalculatorWindows.h"
#include "FilterWindow.h"
#include "Fonts.h"
#include "HelpWindows.h"
#include "InductorWindows.h"
#include "ToroidWindows.h"

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
