#include "app/QuietMessages.h"

#include <QString>
#include <QtGlobal>

namespace ombrana {
namespace {

QtMessageHandler g_previous = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (g_previous) g_previous(type, context, message);
}

}  // namespace

void quietPlatformNotes() {
    static const bool installed = [] {
        g_previous = qInstallMessageHandler(quietHandler);
        return true;
    }();
    (void)installed;
}

}  // namespace ombrana
