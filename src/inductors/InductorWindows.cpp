#include "InductorWindows.h"

#include "AirCoilWindow.h"
#include "InductanceWindow.h"
#include "WindowNames.h"
#include "WindowRegistry.h"

namespace ombrana {

void registerInductorWindows() {
    for (const InductanceVariant* v : {&varianteInduttanza(), &varianteInduttanza2()})
        finestre().registerWindow(v->windowName, [v] { return new InductanceWindow(*v); });
    finestre().registerWindow(nomi::induttanzaAria, [] { return new AirCoilWindow; });
}

}  // namespace ombrana
