#include "inductors/InductorWindows.h"

#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "inductors/AirCoilWindow.h"
#include "inductors/InductanceWindow.h"

namespace ombrana {

void registerInductorWindows() {
    for (const InductanceVariant* v : {&induttanzaVariant(), &induttanza2Variant()})
        finestre().registerWindow(v->windowName, [v] { return new InductanceWindow(*v); });
    finestre().registerWindow(nomi::induttanzaAria, [] { return new AirCoilWindow; });
}

}  // namespace ombrana
