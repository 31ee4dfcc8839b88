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

}  // namespace ombrana::tools
