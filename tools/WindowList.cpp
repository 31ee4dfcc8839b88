#include "tools/WindowList.h"

#include "app/WindowNames.h"
#include "app/WindowRegistry.h"

namespace ombrana::tools {

QStringList allWindowNames() {
    return {nomi::splash,
            nomi::menu,
            nomi::passaBassoPiGreco,
            nomi::passaAltoPiGreco,
            nomi::passaBassoT,
            nomi::passaAltoT,
            nomi::induttanza,
            nomi::induttanza2,
            nomi::induttanzaAria,
            nomi::tabelle,
            nomi::calcolatrice,
            nomi::leggimiMenu,
            nomi::leggimiPassaBassoPiGreco,
            nomi::leggimiPassaBassoT,
            nomi::leggimiPassaAltoPiGreco,
            nomi::leggimiPassaAltoT,
            nomi::leggimiToroidi,
            nomi::esempi,
            nomi::passabanda};
}

QStringList registeredWindows() {
    QStringList names;
    for (const QString& name : allWindowNames())
        if (finestre().isRegistered(name)) names << name;
    return names;
}

bool isFilterWindow(const QString& name) {
    return name == nomi::passaBassoPiGreco || name == nomi::passaAltoPiGreco || name == nomi::passaBassoT ||
           name == nomi::passaAltoT;
}

}  // namespace ombrana::tools
