#include "tools/WindowList.h"

#include "app/WindowNames.h"
#include "app/WindowRegistry.h"

namespace ombrana::tools {

QStringList registeredWindows() {
    return finestre().names();
}

bool isFilterWindow(const QString& name) {
    return name == nomi::passaBassoPiGreco || name == nomi::passaAltoPiGreco || name == nomi::passaBassoT ||
           name == nomi::passaAltoT;
}

QString verifiedFilterWindow(const QString& name) {
    for (const QString* filter :
         {&nomi::passaBassoPiGreco, &nomi::passaAltoPiGreco, &nomi::passaBassoT, &nomi::passaAltoT})
        if (name == nomi::verifica(*filter)) return *filter;
    return {};
}

}  // namespace ombrana::tools
