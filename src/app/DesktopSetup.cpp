#include "app/DesktopSetup.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace ombrana {

void identifyToDesktop() {
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
}

bool installToolkitTranslations(QCoreApplication& app) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    translator->setParent(&app);
    return QCoreApplication::installTranslator(translator.release());
}

}  // namespace ombrana
